// The slice of COM that the COM transports use: apartments, creating a
// component's interface, and one-dimensional byte safe arrays. On Windows
// this is the system's COM; elsewhere a small in-process layer that loads the
// component's library and calls its DllGetClassObject.
#pragma once
#include <cstdint>

#include "abi/com_types.h"

namespace varanda::platform::com {

using abi::failed;
using abi::Guid;
using abi::HResult;
using abi::kFalse;
using abi::kTrue;
using abi::SafeArray;
using abi::VariantBool;

void initialize_apartment(bool single_threaded);
void uninitialize();

// Frees the component libraries that were loaded (POSIX); on Windows the
// system does this when the apartment ends.
void unload_components();

// Creates the component: IUnknown with class context 7, OleRun, then
// QueryInterface for iid. Null when any step fails. Windows finds the
// server in the registry; elsewhere posix_library names the component's
// library, loaded through the normal search.
void* create_instance(const Guid& clsid, const Guid& iid, const char* posix_library);
void release(void* itf);

// A one-dimensional VT_UI1 array with lower bound 0; null on failure.
SafeArray* create_byte_vector(uint32_t count);
void destroy_array(SafeArray* array);
// Locks the array and gives its bytes and element count; false on failure.
bool access_bytes(SafeArray* array, uint8_t** data, uint32_t* count);
void unaccess_bytes(SafeArray* array);

}  // namespace varanda::platform::com
