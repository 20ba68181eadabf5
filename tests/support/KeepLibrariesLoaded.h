#pragma once

// Keeps every shared library loaded so far in the process until it ends.
//
// Qt unloads its plugins (the platform, its shell and decoration plugins,
// the input context) as the process exits, before the leak report is
// written; an allocation made by an unloaded library is then reported from
// "<unknown module>", which no suppression can name. Called once the tests
// have run, this makes every leak report name its library, so that
// tests/lsan.supp can suppress a library's own allocations by name while
// our code stays checked.

#ifndef _WIN32
#include <dlfcn.h>
#include <link.h>
#endif

inline void KeepLibrariesLoaded()
{
#ifndef _WIN32
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *) {
            // A library opened again with RTLD_NODELETE is never unloaded;
            // the handle is not closed, so the count it adds stays.
            if (info->dlpi_name && info->dlpi_name[0] != '\0')
                dlopen(info->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
#endif
}
