// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "com.h"

namespace zorbelkin {
namespace {

// The calls that the program makes into ole32, oleaut32 and oleacc. Importing those DLLs would
// load them, and all they load, before the first frame: 1.4 MiB that a fresh board never uses.
struct ComCalls {
    decltype(&CoInitializeEx) coInitializeEx = nullptr;
    decltype(&CoUninitialize) coUninitialize = nullptr;
    decltype(&CoCreateInstance) coCreateInstance = nullptr;
    decltype(&SysAllocStringLen) sysAllocStringLen = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
};

ComCalls calls;
bool comStarted = false;

// Only from the system folder: a DLL of the same name beside the program is never taken.
template<typename Function> bool find(Function& function, const wchar_t* dll, const char* name)
{
    const HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module)
        return false;
    // Through void (*)(), the one cast between function types that the compiler takes as meant.
    function =
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    return function != nullptr;
}

bool loadCalls()
{
    ComCalls found;
    const bool all =
        find(found.coInitializeEx, L"ole32.dll", "CoInitializeEx") &&
        find(found.coUninitialize, L"ole32.dll", "CoUninitialize") &&
        find(found.coCreateInstance, L"ole32.dll", "CoCreateInstance") &&
        find(found.sysAllocStringLen, L"oleaut32.dll", "SysAllocStringLen") &&
        find(found.lresultFromObject, L"oleacc.dll", "LresultFromObject") &&
        find(found.createStdAccessibleObject, L"oleacc.dll", "CreateStdAccessibleObject");
    if (all)
        calls = found;
    return all;
}

} // namespace

bool startCom()
{
    if (!comStarted)
        comStarted = (calls.coInitializeEx || loadCalls()) &&
                     SUCCEEDED(calls.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    return comStarted;
}

ComOnDemand::~ComOnDemand()
{
    if (comStarted)
        calls.coUninitialize();
    comStarted = false;
}

HRESULT createComObject(REFCLSID type, REFIID iid, void** object)
{
    if (!comStarted)
        return E_FAIL;
    return calls.coCreateInstance(type, nullptr, CLSCTX_INPROC_SERVER, iid, object);
}

LRESULT lresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object)
{
    return comStarted ? calls.lresultFromObject(iid, wParam, object) : 0;
}

HRESULT createStdAccessibleObject(HWND hwnd, LONG id, REFIID iid, void** object)
{
    if (!comStarted)
        return E_FAIL;
    return calls.createStdAccessibleObject(hwnd, id, iid, object);
}

BSTR allocBstr(std::wstring_view text)
{
    if (!comStarted)
        return nullptr;
    return calls.sysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

} // namespace zorbelkin
