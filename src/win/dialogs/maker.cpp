#include "win/dialogs/maker.h"

// Both come from the build settings of the same names (cmake/windows.cmake),
// whose defaults lie under the reserved ".example" domain.
#if !defined(TW_MAKER_HOST) || !defined(TW_MAKER_EMAIL)
#error "Build with TW_MAKER_HOST and TW_MAKER_EMAIL defined"
#endif

namespace tw::win {

Maker BuiltInMaker() { return {L"" TW_MAKER_HOST, L"" TW_MAKER_EMAIL}; }

}  // namespace tw::win
