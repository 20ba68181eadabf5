#include "settings/RegistryFilePlace.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace regstore::filestore {

TPlace Place()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char *home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd *user = getpwuid(getuid());
            home = user ? user->pw_dir : "";
        }
        base = std::string(home) + "/.config";
    }
    TPlace place;
    place.dir = base + "/drawvane";
    place.file = place.dir + "/registry.reg";
    return place;
}

} // namespace regstore::filestore
