// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include "fatalerror.h"
#include "spoken.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace zorbelkin {
namespace {

// Posted by a screen reader's press, with the control to press in wParam.
constexpr UINT pressMessage = WM_APP + 1;

constexpr std::array allTextBoxes{TextBox::Txt1, TextBox::txt2, TextBox::txt3};

} // namespace

MainWindow::MainWindow() : BuiltWindow(mainWindowDescription(), nullptr)
{
    for (CellIndex i = 0; i < cellCount; ++i) {
        Img1_[i] = &control(mainRow::Img1, i);
        lbl1_[i] = &control(mainRow::lbl1, i);
    }
    for (const TextBox box : allTextBoxes)
        textBoxes_.at(static_cast<std::size_t>(box)) = control(rowOf(box)).hwnd;
    Cmd3_ = &control(mainRow::Cmd3);
    game_.Form_Load();
}

bool MainWindow::readyForScreenReaders()
{
    if (!startCom())
        return false;
    if (!textBoxesNamed_) {
        textBoxesNamed_ = true;
        nameTextBoxes();
    }
    return true;
}

// Screen readers ask an edit box for the name of the label before it; these boxes have none, so
// the window gives each the name its row holds. Where the system lacks the service, the boxes'
// own objects go unnamed and the game plays on.
void MainWindow::nameTextBoxes()
{
    if (FAILED(createComObject(CLSID_AccPropServices, IID_IAccPropServices,
                               reinterpret_cast<void**>(accessibleNames_.GetAddressOf()))))
        return;
    for (const TextBox box : allTextBoxes)
        accessibleNames_->SetHwndPropStr(
            textBox(box), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
            wide(mainWindowRows[rowOf(box).index].accessibleName).c_str());
}

void MainWindow::releaseAccessibility()
{
    if (accessible_) {
        accessible_->disconnect();
        accessible_->Release();
        accessible_ = nullptr;
    }
    if (accessibleNames_) {
        for (const TextBox box : allTextBoxes)
            accessibleNames_->ClearHwndProps(textBox(box), static_cast<DWORD>(OBJID_CLIENT),
                                             CHILDID_SELF, &PROPID_ACC_NAME, 1);
        accessibleNames_.Reset();
    }
}

std::optional<CellIndex> MainWindow::cellOf(const Control* control) const
{
    const auto cell = std::ranges::find(lbl1_, control);
    if (cell == lbl1_.end())
        return std::nullopt;
    return static_cast<CellIndex>(std::distance(lbl1_.begin(), cell));
}

std::vector<const Control*> MainWindow::spokenOrder() const
{
    std::vector<const Control*> order;
    for (const auto& control : controls())
        if (!isDecoration(control->row->kind))
            order.push_back(control.get());
    return order;
}

std::vector<SpokenControl> MainWindow::spokenControls() const
{
    std::vector<SpokenControl> spoken;
    for (const Control* control : spokenOrder()) {
        const std::optional<CellIndex> cell = cellOf(control);
        const bool enabled = isEnabled(*control);
        const std::optional<Spoken> told = spokenControl(
            *control->row, cell.value_or(0), enabled, cell ? shownMark(*this, *cell) : Mark::Blank);
        if (!told)
            continue;
        SpokenControl& each = spoken.emplace_back();
        each.role = told->role == SpokenRole::PushButton ? ROLE_SYSTEM_PUSHBUTTON
                    : told->role == SpokenRole::Text     ? ROLE_SYSTEM_TEXT
                                                         : ROLE_SYSTEM_STATICTEXT;
        each.name = wide(told->name);
        each.pressable = told->pressable;
        if (told->role == SpokenRole::Text)
            each.value = windowText(control->hwnd);
        if (!enabled)
            each.state |= STATE_SYSTEM_UNAVAILABLE;
        if (control->hwnd && (GetWindowLongW(control->hwnd, GWL_STYLE) & WS_TABSTOP))
            each.state |= STATE_SYSTEM_FOCUSABLE;
        if (control->hwnd && GetFocus() == control->hwnd)
            each.state |= STATE_SYSTEM_FOCUSED;
        each.place = rectOf(control->place);
        MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&each.place), 2);
    }
    return spoken;
}

std::optional<std::size_t> MainWindow::spokenControlAt(POINT screen) const
{
    POINT client = screen;
    ScreenToClient(hwnd(), &client);
    const Control* found = controlAt(client);
    if (!found)
        return std::nullopt;
    return static_cast<std::size_t>(spokenId(*found) - 1);
}

long MainWindow::spokenId(const Control& control) const
{
    const std::vector<const Control*> order = spokenOrder();
    return static_cast<long>(std::ranges::find(order, &control) - order.begin()) + 1;
}

void MainWindow::pressLater(std::size_t index)
{
    PostMessageW(hwnd(), pressMessage, index, 0);
}

void MainWindow::click(const Control& control)
{
    if (!IsWindowEnabled(hwnd()) || !isEnabled(control))
        return;
    if (&control == Cmd3_) {
        runHandler(hwnd(), [this] { game_.Cmd3_Click(); });
        return;
    }
    if (const std::optional<CellIndex> cell = cellOf(&control))
        runHandler(hwnd(), [this, index = *cell] { game_.lbl1_Click(index); });
}

void MainWindow::pressAt(POINT client)
{
    const Control* control = controlAt(client);
    if (!cellOf(control))
        return;
    pressed_ = control;
    SetCapture(hwnd());
}

// Dragged off its cell, a press plays nothing; nor does a release whose press was elsewhere.
void MainWindow::releaseAt(POINT client)
{
    const Control* pressed = std::exchange(pressed_, nullptr);
    if (GetCapture() == hwnd())
        ReleaseCapture();
    if (pressed && controlAt(client) == pressed)
        click(*pressed);
}

void MainWindow::show(int showCommand)
{
    ShowWindow(hwnd(), showCommand);
    const auto first = std::ranges::find_if(tabOrder(), IsWindowEnabled);
    if (first != tabOrder().end())
        focus(*first);
}

void MainWindow::focus(HWND control)
{
    SetFocus(control);
    if (std::ranges::find(textBoxes_, control) != textBoxes_.end())
        SendMessageW(control, EM_SETSEL, 0, -1);
}

bool MainWindow::handleKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !IsChild(hwnd(), msg.hwnd))
        return false;
    if (msg.wParam == VK_TAB && !tabOrder().empty()) {
        // The next control in tab order, or the one before with Shift, that is enabled.
        const auto& order = tabOrder();
        const auto at = std::ranges::find(order, GetFocus());
        std::size_t here = at == order.end() ? order.size() - 1 : std::size_t(at - order.begin());
        const std::size_t step = GetKeyState(VK_SHIFT) < 0 ? order.size() - 1 : 1;
        for (std::size_t tried = 0; tried < order.size(); ++tried) {
            here = (here + step) % order.size();
            if (IsWindowEnabled(order[here])) {
                focus(order[here]);
                break;
            }
        }
        return true;
    }
    if (msg.wParam == VK_RETURN && GetFocus() == Cmd3_->hwnd) {
        SendMessageW(Cmd3_->hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == Cmd3_->hwnd) {
            click(*Cmd3_);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        pressAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        releaseAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = nullptr;
        return 0;
    case WM_ACTIVATE:
        // Back from a message box or another program, the focus returns where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (IsChild(hwnd(), GetFocus()))
                focused_ = GetFocus();
        } else if (focused_) {
            focus(focused_);
            return 0;
        }
        break;
    case pressMessage: {
        // A press that arrives while a message box holds the window does nothing, as a click.
        const std::vector<const Control*> order = spokenOrder();
        if (wParam < order.size())
            click(*order[wParam]);
        return 0;
    }
    case WM_GETOBJECT:
        if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) &&
            readyForScreenReaders()) {
            if (!accessible_)
                accessible_ = new AccessibleWindow(*this);
            return lresultFromObject(IID_IAccessible, wParam, accessible_);
        }
        break;
    case textBoxAskedMessage:
        readyForScreenReaders();
        return 0;
    case WM_DESTROY:
        releaseAccessibility();
        PostQuitMessage(0);
        return 0;
    }
    return BuiltWindow::handle(message, wParam, lParam);
}

Form2& MainWindow::form2() const
{
    if (!form2_)
        form2_ = std::make_unique<Form2>(hwnd());
    return *form2_;
}

PictureHandle MainWindow::cellPictureHandle(CellIndex cell) const
{
    return handleOf(Img1_.at(cell)->picture);
}

// The holder's blank picture is no picture, so a fresh board needs no holder: it is made, and
// its pictures are read, when a mark is first shown.
std::shared_ptr<const Picture> MainWindow::holderPicture(Mark mark) const
{
    return mark == Mark::Blank ? nullptr : form2().picture(mark);
}

PictureHandle MainWindow::markPictureHandle(Mark mark) const
{
    return handleOf(holderPicture(mark));
}

// A new game blanks every cell, most of them blank already: only a cell that changes is drawn
// again and announced, which spares the first frame nine redraws and eighteen events.
void MainWindow::assignPicture(CellIndex cell, Mark mark)
{
    Control& image = *Img1_.at(cell);
    std::shared_ptr<const Picture> picture = holderPicture(mark);
    if (picture == image.picture)
        return;
    image.picture = std::move(picture);
    redraw(image);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, spokenId(*lbl1_.at(cell)));
}

void MainWindow::setCellEnabled(CellIndex cell, bool enabled)
{
    Control& label = *lbl1_.at(cell);
    if (label.enabled == enabled)
        return;
    label.enabled = enabled;
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, spokenId(label));
}

HWND MainWindow::textBox(TextBox box) const
{
    return textBoxes_.at(static_cast<std::size_t>(box));
}

std::string MainWindow::text(TextBox box) const
{
    return utf8(windowText(textBox(box)));
}

void MainWindow::setText(TextBox box, const std::string& text)
{
    SetWindowTextW(textBox(box), wide(text).c_str());
}

void MainWindow::showMessage(const std::string& text)
{
    MessageBoxW(hwnd(), wide(text).c_str(), wide(applicationTitle).c_str(), MB_OK);
}

} // namespace zorbelkin
