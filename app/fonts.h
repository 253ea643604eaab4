#pragma once

namespace bq {

// Maps the faces the screens and the certificate name to faces this desktop has.
void installFontSubstitutions();

} // namespace bq
