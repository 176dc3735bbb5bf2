// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "builtwindow.h"

#include "resource.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace zorbelkin {
namespace {

constexpr const wchar_t* windowClass = L"MainWindow";
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
    looks_.dpi = GetDpiForWindow(hwnd_);
    makeFonts(looks_.dpi);
    for (const ControlRow& row : description.controls) {
        std::vector<Control*>& members = rows_.emplace_back();
        for (int index = 0; const Member& member : membersOf(row, static_cast<int>(looks_.dpi))) {
            auto control = std::make_unique<Control>();
            control->row = &row;
            control->member = index++;
            control->place = member.rect;
            control->enabled = !(row.looks & Disabled);
            if (row.picture)
                control->picture = Picture::load(row.picture);
            members.push_back(control.get());
            controls_.push_back(std::move(control));
        }
    }
    // Labels, images and lines have no window of their own: the window draws them beneath the
    // system's controls, as every child window it spares makes the first frame come sooner. The
    // system's dialog navigation tabs through child windows in their stacking order, and a new one
    // goes beneath those made before it, so the controls that take the focus are made in tab
    // order and the others after them; they lie side by side, so their stacking shows nowhere
    // else. Each is made where it lies and in its face: nothing is restacked, moved or laid out
    // again before the first frame.
    std::vector<Control*> windowed;
    for (const MemberRef& focusable : focusOrder(description))
        windowed.push_back(rows_[focusable.row][focusable.member]);
    for (const auto& control : controls_)
        if (hasWindow(control->row->kind) &&
            std::ranges::find(windowed, control.get()) == windowed.end())
            windowed.push_back(control.get());
    int id = firstControlId;
    for (Control* control : windowed)
        createControl(hwnd_, *control, id++, looks_.fontOf(*control->row));
    if (looks_.dpi != systemDpi)
        fitFrame(looks_.dpi);
}

const Control* BuiltWindow::controlAt(POINT client) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const RECT rect = rectOf((*it)->place);
        if (PtInRect(&rect, client))
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
    for (HGDIOBJ object :
         {HGDIOBJ(looks_.controlFont), HGDIOBJ(looks_.titleFont), HGDIOBJ(looks_.groundBrush)})
        if (object)
            DeleteObject(object);
}

void BuiltWindow::takeColours()
{
    const BoardColours colours =
        boardColours(rgbOf(GetSysColor(COLOR_CAPTIONTEXT)), rgbOf(GetSysColor(COLOR_WINDOWTEXT)));
    looks_.ground = colours.ground;
    looks_.ink = colours.ink;
    if (looks_.groundBrush)
        DeleteObject(looks_.groundBrush);
    looks_.groundBrush = CreateSolidBrush(colorRef(colours.ground));
}

void BuiltWindow::makeFonts(UINT dpi)
{
    looks_.controlFont = createFont(controlFace, dpi);
    looks_.titleFont = createFont(titleFace, dpi);
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
    const BoardLooks old = looks_;
    looks_.dpi = dpi;
    makeFonts(dpi);
    for (std::size_t i = 0; const ControlRow& row : description_.controls) {
        for (const Member& member : membersOf(row, static_cast<int>(dpi))) {
            Control& control = *controls_[i++];
            control.place = member.rect;
            if (!control.hwnd)
                continue;
            SetWindowPos(control.hwnd, nullptr, member.rect.left, member.rect.top,
                         member.rect.width, member.rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(looks_.fontOf(row)),
                         TRUE);
        }
    }
    DeleteObject(old.controlFont);
    DeleteObject(old.titleFont);
    fitFrame(dpi);
    // The pictures and lines are drawn on the ground: all of it is drawn again at the new scale,
    // whether or not the frame's size changed.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The ground, then the controls that have no window, back to front, each over those before it.
void BuiltWindow::paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd_, &paint);
    FillRect(dc, &paint.rcPaint, looks_.groundBrush);
    for (const auto& control : controls_)
        if (!control->hwnd)
            drawControl(dc, *control, looks_);
    EndPaint(hwnd_, &paint);
}

LRESULT BuiltWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORBTN:
        SetTextColor(reinterpret_cast<HDC>(wParam), colorRef(looks_.ink));
        SetBkColor(reinterpret_cast<HDC>(wParam), colorRef(looks_.ground));
        return reinterpret_cast<LRESULT>(looks_.groundBrush);
    case WM_SYSCOLORCHANGE:
        takeColours();
        // The controls paint in the board's colours too, the marks' margins included.
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case WM_DPICHANGED: {
        layOut(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Until a window's constructor has run, its messages go to the handle() of the class built so far.
LRESULT CALLBACK BuiltWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<BuiltWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<BuiltWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window ? window->handle(message, wParam, lParam)
                  : DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace zorbelkin
