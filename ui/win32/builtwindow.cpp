// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "builtwindow.h"

#include "resource.h"
#include "spoken.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace zorbelkin {
namespace {

constexpr const wchar_t* windowClass = L"ZorbelkinWindow";
constexpr int firstControlId = 1000;

bool faceInstalled(const char* family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = wide(family);
    name.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The first of the face's families that is installed, else the last, at dpi.
HFONT createFont(const Face& face, UINT dpi)
{
    const auto installed = std::ranges::find_if(face.families, faceInstalled);
    const char* family = installed != face.families.end() ? *installed : face.families.back();
    const int height = -static_cast<int>(std::lround(face.points * dpi / 72.0));
    return CreateFontW(height, 0, 0, 0, face.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, wide(family).c_str());
}

} // namespace

void BuiltWindow::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClassInfo{};
    windowClassInfo.cbSize = sizeof(windowClassInfo);
    windowClassInfo.lpfnWndProc = procedure;
    windowClassInfo.hInstance = instance;
    windowClassInfo.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClassInfo.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZORBELKIN));
    windowClassInfo.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZORBELKIN), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClassInfo.lpszClassName = windowClass;
    if (!RegisterClassExW(&windowClassInfo))
        throw std::runtime_error("cannot register the window class");
}

BuiltWindow::BuiltWindow(const WindowDescription& description, HWND owner)
    : description_(description)
{
    takeColours();
    // Made at its size for the system's density, which is the window's unless it opens on a
    // screen of another: sized once, not again after.
    const UINT systemDpi = GetDpiForSystem();
    const SIZE frame = frameSize(systemDpi);
    hwnd_ = CreateWindowExW(0, windowClass, wide(description.title).c_str(), WS_OVERLAPPEDWINDOW,
                            CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy, owner, nullptr,
                            nullptr, this);
    if (!hwnd_)
        throw std::runtime_error(std::string("cannot create the window ") + description.name);
    dpi_ = GetDpiForWindow(hwnd_);
    makeFonts(dpi_);
    for (const ControlRow& row : description.controls) {
        std::vector<Control*>& members = rows_.emplace_back();
        for (Member& member : membersOf(row, static_cast<int>(dpi_))) {
            auto control = std::make_unique<Control>();
            control->row = &row;
            control->name = std::move(member.name);
            control->place = member.rect;
            control->enabled = !(row.looks & Disabled);
            members.push_back(control.get());
            controls_.push_back(std::move(control));
        }
    }
    // Labels, images and lines have no window of their own: the window draws them on its ground,
    // beneath the controls that have one, as every child window it spares makes the first frame
    // come sooner. A new child window goes behind the ones before it, so the others are made front
    // to back, each where it lies and in its face: nothing is restacked, moved or laid out again
    // before the first frame.
    for (std::size_t i = controls_.size(); i-- > 0;) {
        Control& control = *controls_[i];
        if (hasWindow(control.row->kind))
            createControl(hwnd_, control, firstControlId + static_cast<int>(i),
                          fontOf(*control.row));
        else if (control.row->picture)
            control.picture = Picture::load(control.row->picture);
    }
    for (const MemberRef& focusable : focusOrder(description))
        tabOrder_.push_back(rows_[focusable.row][focusable.member]->hwnd);
    if (dpi_ != systemDpi)
        fitFrame(dpi_);
}

void BuiltWindow::redraw(const Control& control)
{
    const RECT area = rectOf(control.place);
    InvalidateRect(hwnd_, &area, TRUE);
}

const Control* BuiltWindow::controlAt(POINT client) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const RECT rect = rectOf((*it)->place);
        if (((*it)->hwnd && !IsWindowVisible((*it)->hwnd)) || !PtInRect(&rect, client))
            continue;
        return isDecoration((*it)->row->kind) ? nullptr : it->get();
    }
    return nullptr;
}

BuiltWindow::~BuiltWindow()
{
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (HGDIOBJ object : {HGDIOBJ(controlFont_), HGDIOBJ(titleFont_), HGDIOBJ(ground_)})
        if (object)
            DeleteObject(object);
}

void BuiltWindow::takeColours()
{
    colours_ =
        boardColours(rgbOf(GetSysColor(COLOR_CAPTIONTEXT)), rgbOf(GetSysColor(COLOR_WINDOWTEXT)));
    if (ground_)
        DeleteObject(ground_);
    ground_ = CreateSolidBrush(colorRef(colours_.ground));
}

void BuiltWindow::makeFonts(UINT dpi)
{
    for (HFONT old : {controlFont_, titleFont_})
        if (old)
            DeleteObject(old);
    controlFont_ = createFont(controlFace, dpi);
    titleFont_ = createFont(titleFace, dpi);
}

HFONT BuiltWindow::fontOf(const ControlRow& row) const
{
    return (row.looks & TitleFont) ? titleFont_ : controlFont_;
}

SIZE BuiltWindow::frameSize(UINT dpi) const
{
    RECT frame{0, 0, pixels(description_.clientWidthTwips, static_cast<int>(dpi)),
               pixels(description_.clientHeightTwips, static_cast<int>(dpi))};
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void BuiltWindow::fitFrame(UINT dpi)
{
    const SIZE frame = frameSize(dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BuiltWindow::layOut(UINT dpi)
{
    // The controls keep the old fonts until they have the new ones.
    const HFONT oldControlFont = std::exchange(controlFont_, nullptr);
    const HFONT oldTitleFont = std::exchange(titleFont_, nullptr);
    dpi_ = dpi;
    makeFonts(dpi);
    for (std::size_t i = 0; const ControlRow& row : description_.controls) {
        for (const Member& member : membersOf(row, static_cast<int>(dpi))) {
            Control& control = *controls_[i++];
            control.place = member.rect;
            if (!control.hwnd)
                continue;
            SetWindowPos(control.hwnd, nullptr, member.rect.left, member.rect.top,
                         member.rect.width, member.rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(row)), TRUE);
        }
    }
    DeleteObject(oldControlFont);
    DeleteObject(oldTitleFont);
    fitFrame(dpi);
    // The pictures and lines are drawn on the ground: all of it is drawn again at the new scale,
    // whether or not the frame's size changed.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT BuiltWindow::handleLooks(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case WM_ERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        RECT area;
        GetClientRect(hwnd_, &area);
        FillRect(dc, &area, ground_);
        // A label lies over the pictures and lines, as a static text's window would.
        for (const auto& control : controls_)
            if (isDecoration(control->row->kind))
                drawDecoration(dc, *control, dpi_, colours_.ground, colours_.ink);
        for (const auto& control : controls_)
            if (control->row->kind == ControlKind::Label)
                drawLabel(dc, *control, fontOf(*control->row), ground_, colours_.ink);
        return 1;
    }
    case WM_CTLCOLORBTN:
        SetTextColor(reinterpret_cast<HDC>(wParam), colorRef(colours_.ink));
        SetBkColor(reinterpret_cast<HDC>(wParam), colorRef(colours_.ground));
        return reinterpret_cast<LRESULT>(ground_);
    case WM_SYSCOLORCHANGE:
        takeColours();
        // The controls paint in the board's colours too, the marks' margins included.
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case WM_DPICHANGED: {
        layOut(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    }
    handled = false;
    return 0;
}

LRESULT BuiltWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK BuiltWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<BuiltWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<BuiltWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    bool handled = false;
    const LRESULT result = window->handleLooks(message, wParam, lParam, handled);
    if (handled)
        return result;
    // Until its constructor has run, a window is only its looks.
    return window->controls_.empty() ? DefWindowProcW(hwnd, message, wParam, lParam)
                                     : window->handle(message, wParam, lParam);
}

} // namespace zorbelkin
