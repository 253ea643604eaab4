// The print system's library is loaded when the first certificate is printed, not when the
// game starts: libcups brings some twenty libraries with it (TLS, Kerberos, service
// discovery) that would cost about 3 ms and 3.4 MiB before the welcome screen appears.
//
// The game is not linked against libcups. These definitions stand in for the few libcups
// functions it calls and hand each call to the real function, loaded on first use. When
// the library cannot be loaded, there is no print destination and the reason says why.
#include <cups/cups.h>

#include <dlfcn.h>

namespace {

void *cupsLibrary()
{
    static void *const library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    return library;
}

template <class Function>
Function cupsFunction(const char *name)
{
    void *library = cupsLibrary();
    return library ? reinterpret_cast<Function>(dlsym(library, name)) : nullptr;
}

} // namespace

extern "C" {

cups_dest_t *cupsGetNamedDest(http_t *http, const char *name, const char *instance)
{
    static const auto real = cupsFunction<decltype(&cupsGetNamedDest)>("cupsGetNamedDest");
    return real ? real(http, name, instance) : nullptr;
}

void cupsFreeDests(int num_dests, cups_dest_t *dests)
{
    static const auto real = cupsFunction<decltype(&cupsFreeDests)>("cupsFreeDests");
    if (real)
        real(num_dests, dests);
}

int cupsPrintFile2(http_t *http, const char *name, const char *filename, const char *title, int num_options,
                   cups_option_t *options)
{
    static const auto real = cupsFunction<decltype(&cupsPrintFile2)>("cupsPrintFile2");
    return real ? real(http, name, filename, title, num_options, options) : 0;
}

const char *cupsLastErrorString(void)
{
    static const auto real = cupsFunction<decltype(&cupsLastErrorString)>("cupsLastErrorString");
    return real ? real() : "Das Drucksystem (libcups.so.2) ist nicht installiert.";
}

} // extern "C"
