#pragma once

// Where the file store keeps its file: a folder of its own in the user's
// configuration folder.

#include <string>

namespace regstore::filestore {

// Where the store lives, as the environment says at this moment.
struct TPlace {
    std::string dir;  // .../drawvane
    std::string file; // .../drawvane/registry.reg
};

// From XDG_CONFIG_HOME or HOME; a relative XDG_CONFIG_HOME is ignored, as
// the base directory rules require.
TPlace Place();

} // namespace regstore::filestore
