// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include "fatalerror.h"

#include <algorithm>
#include <iterator>

namespace zorbelkin {

MainWindow::MainWindow() : BuiltWindow(mainWindowDescription(), nullptr)
{
    for (CellIndex i = 0; i < cellCount; ++i) {
        Img1_[i] = &control(mainRow::Img1, i);
        lbl1_[i] = &control(mainRow::lbl1, i);
    }
    for (const TextBox box : {TextBox::Txt1, TextBox::txt2, TextBox::txt3})
        textBoxes_.at(static_cast<std::size_t>(box)) = control(rowOf(box)).hwnd;
    Cmd3_ = control(mainRow::Cmd3).hwnd;
    game_.Form_Load();
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
    if (msg.wParam == VK_RETURN && GetFocus() == Cmd3_) {
        SendMessageW(Cmd3_, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const auto sender = reinterpret_cast<HWND>(lParam);
            if (sender == Cmd3_) {
                runHandler(hwnd(), [this] { game_.Cmd3_Click(); });
                return 0;
            }
            const auto cell = std::ranges::find(lbl1_, sender, &Control::hwnd);
            if (cell != lbl1_.end()) {
                const auto index = static_cast<CellIndex>(std::distance(lbl1_.begin(), cell));
                runHandler(hwnd(), [this, index] { game_.lbl1_Click(index); });
                return 0;
            }
        }
        break;
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
    case WM_DESTROY:
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

PictureHandle MainWindow::markPictureHandle(Mark mark) const
{
    return handleOf(form2().picture(mark));
}

void MainWindow::assignPicture(CellIndex cell, Mark mark)
{
    Control& image = *Img1_.at(cell);
    image.picture = form2().picture(mark);
    InvalidateRect(image.hwnd, nullptr, FALSE);
}

void MainWindow::setCellEnabled(CellIndex cell, bool enabled)
{
    EnableWindow(lbl1_.at(cell)->hwnd, enabled);
}

HWND MainWindow::textBox(TextBox box) const
{
    return textBoxes_.at(static_cast<std::size_t>(box));
}

std::string MainWindow::text(TextBox box) const
{
    const HWND hwnd = textBox(box);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return utf8(text);
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
