// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include "fatalerror.h"
#include "spoken.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <utility>

namespace zorbelkin {
namespace {

std::vector<const Control*> toldOf(const BuiltWindow& window)
{
    std::vector<const Control*> told;
    for (const auto& control : window.controls())
        if (!isDecoration(control->row->kind))
            told.push_back(control.get());
    return told;
}

} // namespace

MainWindow::MainWindow() : BuiltWindow(mainWindowDescription(), nullptr), spoken_(toldOf(*this))
{
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
    for (const TextBox box : textBoxes)
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
        for (const TextBox box : textBoxes)
            accessibleNames_->ClearHwndProps(textBox(box), static_cast<DWORD>(OBJID_CLIENT),
                                             CHILDID_SELF, &PROPID_ACC_NAME, 1);
        accessibleNames_.Reset();
    }
}

std::optional<CellIndex> MainWindow::cellOf(const Control* control) const
{
    if (!control || !isOf(*control, mainRow::lbl1))
        return std::nullopt;
    return static_cast<CellIndex>(control->member);
}

long MainWindow::spokenCount() const
{
    return static_cast<long>(spoken_.size());
}

SpokenControl MainWindow::spokenChild(long id) const
{
    const Control* control = &controlWithId(id);
    const std::optional<CellIndex> cell = cellOf(control);
    const Spoken told = spokenControl(*control->row, control->member, control->enabled,
                                      cell ? shownMark(*this, *cell) : Mark::Blank);
    SpokenControl each;
    each.role = told.role == SpokenRole::PushButton ? ROLE_SYSTEM_PUSHBUTTON
                : told.role == SpokenRole::Text     ? ROLE_SYSTEM_TEXT
                                                    : ROLE_SYSTEM_STATICTEXT;
    each.name = wide(told.name);
    each.pressable = told.pressable;
    if (told.role == SpokenRole::Text)
        each.value = windowText(control->hwnd);
    if (!control->enabled)
        each.state |= STATE_SYSTEM_UNAVAILABLE;
    if (control->hwnd && (GetWindowLongW(control->hwnd, GWL_STYLE) & WS_TABSTOP))
        each.state |= STATE_SYSTEM_FOCUSABLE;
    if (control->hwnd && GetFocus() == control->hwnd)
        each.state |= STATE_SYSTEM_FOCUSED;
    each.place = rectOf(control->place);
    MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&each.place), 2);
    return each;
}

std::optional<long> MainWindow::spokenControlAt(POINT screen) const
{
    POINT client = screen;
    ScreenToClient(hwnd(), &client);
    const Control* found = controlAt(client);
    if (!found)
        return std::nullopt;
    return spokenId(*found);
}

long MainWindow::spokenId(const Control& control) const
{
    return static_cast<long>(std::ranges::find(spoken_, &control) - spoken_.begin()) + 1;
}

const Control& MainWindow::controlWithId(long id) const
{
    return *spoken_.at(static_cast<std::size_t>(id - 1));
}

void MainWindow::pressLater(long id)
{
    PostMessageW(hwnd(), pressMessage, static_cast<WPARAM>(id), 0);
}

void MainWindow::click(const Control& control)
{
    if (!IsWindowEnabled(hwnd()) || !control.enabled)
        return;
    if (isOf(control, mainRow::Cmd3))
        runHandler(hwnd(), [this] { game_.Cmd3_Click(); });
    else if (const std::optional<CellIndex> cell = cellOf(&control))
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
    if (const HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE))
        focus(first);
}

void MainWindow::focus(HWND control)
{
    SetFocus(control);
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(control, EM_SETSEL, 0, -1);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        // The system's dialog navigation tells of Enter as IDOK: it presses "New Game" while that
        // has the focus.
        const Control& newGame = control(mainRow::Cmd3);
        if ((HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == newGame.hwnd) ||
            (LOWORD(wParam) == IDOK && GetFocus() == newGame.hwnd)) {
            click(newGame);
            return 0;
        }
        break;
    }
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
    case pressMessage:
        // A press that arrives while a message box holds the window does nothing, as a click.
        if (wParam >= 1 && wParam <= spoken_.size())
            click(controlWithId(static_cast<long>(wParam)));
        return 0;
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
    return handleOf(control(mainRow::Img1, cell).picture);
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
    Control& image = control(mainRow::Img1, cell);
    std::shared_ptr<const Picture> picture = holderPicture(mark);
    if (picture == image.picture)
        return;
    image.picture = std::move(picture);
    // The cell's place is drawn again, the label over it included.
    const RECT area = rectOf(image.place);
    InvalidateRect(hwnd(), &area, TRUE);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT,
                   spokenId(control(mainRow::lbl1, cell)));
}

void MainWindow::setCellEnabled(CellIndex cell, bool enabled)
{
    Control& label = control(mainRow::lbl1, cell);
    if (label.enabled == enabled)
        return;
    label.enabled = enabled;
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, spokenId(label));
}

HWND MainWindow::textBox(TextBox box) const
{
    return control(rowOf(box)).hwnd;
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
