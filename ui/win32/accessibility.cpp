// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "spoken.h"

#include <algorithm>
#include <functional>

namespace zorbelkin {
namespace {

VARIANT childVariant(long id)
{
    VARIANT v = emptyVariant();
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

bool isSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

} // namespace

HRESULT AccessibleWindow::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleWindow::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AccessibleWindow::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

// Screen readers reach this object through IAccessible itself, not through automation.
HRESULT AccessibleWindow::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleWindow::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT AccessibleWindow::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT AccessibleWindow::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*)
{
    return E_NOTIMPL;
}

std::optional<SpokenControl> AccessibleWindow::control(const VARIANT& child, HRESULT& result) const
{
    if (!window_) {
        result = E_FAIL;
        return std::nullopt;
    }
    const bool isControl =
        child.vt == VT_I4 && child.lVal >= 1 && child.lVal <= window_->spokenCount();
    result = isControl || isSelf(child) ? S_OK : E_INVALIDARG;
    if (!isControl)
        return std::nullopt;
    return window_->spokenChild(child.lVal);
}

template<typename... Parameters, typename... Arguments>
HRESULT
AccessibleWindow::askStandard(HRESULT (STDMETHODCALLTYPE IAccessible::*question)(Parameters...),
                              Arguments... arguments) const
{
    if (!window_)
        return E_FAIL;
    if (!standard_ &&
        FAILED(createStdAccessibleObject(window_->spokenHwnd(), OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(standard_.GetAddressOf()))))
        return E_FAIL;
    return (standard_.Get()->*question)(arguments...);
}

HRESULT AccessibleWindow::get_accParent(IDispatch** parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    return askStandard(&IAccessible::get_accParent, parent);
}

HRESULT AccessibleWindow::get_accChildCount(long* count)
{
    if (!count)
        return E_POINTER;
    if (!window_)
        return E_FAIL;
    *count = window_->spokenCount();
    return S_OK;
}

// The children are simple elements, answered by this object.
HRESULT AccessibleWindow::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    HRESULT result;
    control(child, result);
    return FAILED(result) ? result : S_FALSE;
}

HRESULT AccessibleWindow::text(
    const VARIANT& child, BSTR* text, TextQuestion question,
    const std::function<std::optional<std::wstring>(const SpokenControl&)>& pick) const
{
    if (!text)
        return E_POINTER;
    *text = nullptr;
    if (isSelf(child))
        return askStandard(question, child, text);
    HRESULT result;
    const std::optional<SpokenControl> spoken = control(child, result);
    if (FAILED(result))
        return result;
    const std::optional<std::wstring> picked = pick(*spoken);
    if (!picked)
        return DISP_E_MEMBERNOTFOUND;
    *text = allocBstr(*picked);
    return S_OK;
}

HRESULT AccessibleWindow::get_accName(VARIANT child, BSTR* name)
{
    return text(child, name, &IAccessible::get_accName,
                [](const SpokenControl& spoken) { return spoken.name; });
}

// A text box's value is its text.
HRESULT AccessibleWindow::get_accValue(VARIANT child, BSTR* value)
{
    return text(child, value, &IAccessible::get_accValue,
                [](const SpokenControl& spoken) { return spoken.value; });
}

HRESULT AccessibleWindow::get_accDescription(VARIANT, BSTR* description)
{
    if (description)
        *description = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleWindow::number(const VARIANT& child, VARIANT* number, NumberQuestion question,
                                 const std::function<long(const SpokenControl&)>& pick) const
{
    if (!number)
        return E_POINTER;
    *number = emptyVariant();
    if (isSelf(child))
        return askStandard(question, child, number);
    HRESULT result;
    const std::optional<SpokenControl> spoken = control(child, result);
    if (FAILED(result))
        return result;
    number->vt = VT_I4;
    number->lVal = pick(*spoken);
    return S_OK;
}

HRESULT AccessibleWindow::get_accRole(VARIANT child, VARIANT* role)
{
    return number(child, role, &IAccessible::get_accRole,
                  [](const SpokenControl& spoken) { return spoken.role; });
}

HRESULT AccessibleWindow::get_accState(VARIANT child, VARIANT* state)
{
    return number(child, state, &IAccessible::get_accState,
                  [](const SpokenControl& spoken) { return spoken.state; });
}

HRESULT AccessibleWindow::get_accHelp(VARIANT, BSTR* help)
{
    if (help)
        *help = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleWindow::get_accHelpTopic(BSTR* file, VARIANT, long* topic)
{
    if (file)
        *file = nullptr;
    if (topic)
        *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
}

// No control has an access key.
HRESULT AccessibleWindow::get_accKeyboardShortcut(VARIANT, BSTR* shortcut)
{
    if (shortcut)
        *shortcut = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleWindow::get_accFocus(VARIANT* focused)
{
    if (!focused)
        return E_POINTER;
    *focused = emptyVariant();
    if (!window_)
        return E_FAIL;
    for (long id = 1; id <= window_->spokenCount(); ++id) {
        if (window_->spokenChild(id).state & STATE_SYSTEM_FOCUSED) {
            *focused = childVariant(id);
            return S_OK;
        }
    }
    if (GetFocus() == window_->spokenHwnd()) {
        *focused = childVariant(CHILDID_SELF);
        return S_OK;
    }
    return S_FALSE;
}

// Nothing on the board is selected.
HRESULT AccessibleWindow::get_accSelection(VARIANT* selected)
{
    if (!selected)
        return E_POINTER;
    *selected = emptyVariant();
    return S_FALSE;
}

HRESULT AccessibleWindow::get_accDefaultAction(VARIANT child, BSTR* action)
{
    return text(child, action, &IAccessible::get_accDefaultAction,
                [](const SpokenControl& spoken) -> std::optional<std::wstring> {
                    if (!spoken.pressable)
                        return std::nullopt;
                    return wide(pressActionName);
                });
}

HRESULT AccessibleWindow::accSelect(long, VARIANT)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleWindow::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    if (isSelf(child))
        return askStandard(&IAccessible::accLocation, left, top, width, height, child);
    HRESULT result;
    const std::optional<SpokenControl> spoken = control(child, result);
    if (FAILED(result))
        return result;
    const RECT rect = spoken->place;
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
}

HRESULT AccessibleWindow::accNavigate(long, VARIANT, VARIANT* end)
{
    if (end)
        *end = emptyVariant();
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleWindow::accHitTest(long left, long top, VARIANT* child)
{
    if (!child)
        return E_POINTER;
    *child = emptyVariant();
    if (!window_)
        return E_FAIL;
    if (const std::optional<long> hit = window_->spokenControlAt({left, top})) {
        *child = childVariant(*hit);
        return S_OK;
    }
    // The window itself, or nothing of it.
    return askStandard(&IAccessible::accHitTest, left, top, child);
}

// The press runs once control is back in the message loop, so that a message box it raises does
// not hold up the screen reader's call.
HRESULT AccessibleWindow::accDoDefaultAction(VARIANT child)
{
    HRESULT result;
    const std::optional<SpokenControl> spoken = control(child, result);
    if (FAILED(result))
        return result;
    if (!spoken || !spoken->pressable)
        return DISP_E_MEMBERNOTFOUND;
    window_->pressLater(child.lVal);
    return S_OK;
}

HRESULT AccessibleWindow::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT AccessibleWindow::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

} // namespace zorbelkin
