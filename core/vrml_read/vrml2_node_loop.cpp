// Placeholder until the VRML 2.0 node loop lands: delete this file (git rm)
// in the commit that defines VrmlReader::MakeVrmlList20 in vrml2_*.cpp.

#include "vrml_read/vrml_reader.h"

namespace vantor {

// VRML 2.0 files pass the header check; their nodes are passed over.
int VrmlReader::MakeVrmlList20(std::string_view text, int& position, int /*stopDepth*/) {
    position = int(text.size());
    return 1;
}

}  // namespace vantor
