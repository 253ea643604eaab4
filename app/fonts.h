// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

// Maps the faces the screens and the certificate name to faces this desktop has.
void installFontSubstitutions();

// Loads the faces that the screens after the welcome screen name, one at a time while the
// user-interface thread is idle, so that no screen change has to load a face first.
void loadLaterFacesWhenIdle();

} // namespace bq
