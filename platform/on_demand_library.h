// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dlfcn.h>

#include <type_traits>

namespace bq {

// A shared library opened the first time the game needs it, not when the game starts:
// the sound and print libraries bring dozens of further libraries that the first
// screen has no use for. The game is not linked against them, and a library once opened
// stays open for the rest of the run.
class OnDemandLibrary {
public:
    explicit OnDemandLibrary(const char *soname) : m_handle(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}

    // Sets the function pointer to the library's function of that name, or to nullptr.
    template <class Function>
    void resolve(Function &function, const char *name) const
    {
        function = m_handle ? reinterpret_cast<std::remove_reference_t<Function>>(dlsym(m_handle, name)) : nullptr;
    }

private:
    void *m_handle;
};

} // namespace bq
