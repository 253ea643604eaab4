// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/screen_catalogue.h"

#include <array>

namespace bq {
namespace {

using enum ScreenRole;
constexpr WindowKind N = WindowKind::Normal;
constexpr WindowKind D = WindowKind::Dialog;

#define BQ_SCREEN_ENTRY(screen, name, caption, role, question, kind) {screen, name, caption, role, question, kind},
constexpr auto kScreens = std::to_array<ScreenEntry>({BQ_SCREENS(BQ_SCREEN_ENTRY)});
#undef BQ_SCREEN_ENTRY

} // namespace

std::span<const ScreenEntry> screenCatalogue()
{
    return kScreens;
}

const ScreenEntry &screenEntry(Screen screen)
{
    return kScreens.at(std::size_t(screen));
}

QString screenName(Screen screen)
{
    return QString::fromUtf8(screenEntry(screen).name);
}

} // namespace bq
