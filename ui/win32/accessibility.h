// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "com.h"

#include <wrl/client.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorbelkin {

// What a screen reader may know of one control of a window.
struct SpokenControl {
    LONG role = ROLE_SYSTEM_STATICTEXT;
    std::wstring name;
    std::optional<std::wstring> value; // a text box's text
    bool pressable = false;            // offers the press action, which does what a click does
    long state = 0;                    // STATE_SYSTEM_ flags
    RECT place{};                      // on the screen
};

// The window that an AccessibleWindow speaks for.
class SpokenWindow {
public:
    virtual HWND spokenHwnd() const = 0;
    // How many controls a screen reader is told of, back to front; pictures and lines are left
    // out. A control is known by its child id, 1 and up in that order, as Active Accessibility
    // numbers the children of an object.
    virtual long spokenCount() const = 0;
    // What a screen reader is told of the control with child id (1 to spokenCount()).
    virtual SpokenControl spokenChild(long id) const = 0;
    // The child id of the front-most control at a point of the screen, as a click would find
    // it; none where that is a picture, a line or no control.
    virtual std::optional<long> spokenControlAt(POINT screen) const = 0;
    // Does what a left click on the control with child id does, once control is back in the
    // message loop.
    virtual void pressLater(long id) = 0;

protected:
    ~SpokenWindow() = default;
};

// The Active Accessibility object of a window's client area: the window and, as simple children
// known by their child ids, its controls. The system's standard object of the
// client area answers for the window itself. It serves the window until the window calls
// disconnect(); after that it answers every question with E_FAIL.
class AccessibleWindow final : public IAccessible {
public:
    explicit AccessibleWindow(SpokenWindow& window) : window_(&window) {}
    void disconnect()
    {
        window_ = nullptr;
        standard_.Reset();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    ~AccessibleWindow() = default;
    // The control that child names, or none for the whole client area (CHILDID_SELF of a window's
    // object). E_INVALIDARG in result for a child that does not exist.
    std::optional<SpokenControl> control(const VARIANT& child, HRESULT& result) const;
    // Asks the system's standard object what question asks of the window itself.
    template<typename... Parameters, typename... Arguments>
    HRESULT askStandard(HRESULT (STDMETHODCALLTYPE IAccessible::*question)(Parameters...),
                        Arguments... arguments) const;
    using TextQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    using NumberQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
    // Answers a question for a text about a control: what pick gives, or DISP_E_MEMBERNOTFOUND
    // where it gives none.
    HRESULT
    text(const VARIANT& child, BSTR* text, TextQuestion question,
         const std::function<std::optional<std::wstring>(const SpokenControl&)>& pick) const;
    // Answers a question for a number, a role or state flags, about a control: what pick gives.
    HRESULT number(const VARIANT& child, VARIANT* number, NumberQuestion question,
                   const std::function<long(const SpokenControl&)>& pick) const;

    SpokenWindow* window_;
    mutable Microsoft::WRL::ComPtr<IAccessible> standard_; // made when first asked
    LONG references_ = 1;
};

} // namespace zorbelkin
