// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

// Finds, once, the installed family that stands for each face the screens and the
// certificate name; a face none of whose families is installed is left to Qt's own choice.
void resolveInstalledFaces();

// Loads the faces that the screens after the welcome screen name, one at a time while the
// user-interface thread is idle, so that no screen change has to load a face first.
void loadLaterFacesWhenIdle();

} // namespace bq
