// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include "handlers.h"
#include "markfiles.h"
#include "markpicture.h"
#include "markup.h"
#include "spoken.h"
#include "windowlayout.h"

#include <algorithm>
#include <utility>

namespace zorbelkin::web {
namespace {

const WindowDescription& table()
{
    return mainWindowDescription();
}

// The cell that a control of the board stands on, for a cell's label.
std::optional<CellIndex> cellOf(const val& element)
{
    const val cell = element["dataset"]["cell"];
    if (cell.isUndefined())
        return std::nullopt;
    return static_cast<CellIndex>(std::stoi(cell.as<std::string>()));
}

// The text boxes and the button, which take the focus and the pointer as the browser's own do.
bool isOwnControl(const val& element)
{
    const val tag = element["tagName"];
    return tag.isString() &&
           (tag.as<std::string>() == "INPUT" || tag.as<std::string>() == "BUTTON");
}

} // namespace

MainWindow::MainWindow()
{
    val document = val::global("document");
    const val body = document["body"];
    const auto byId = [&](const std::string& id) {
        return document.call<val>("getElementById", id);
    };
    frame_ = document.call<val>("querySelector", std::string("main"));
    board_ = byId(table().name);
    spoken_ = byId("spoken");
    box_ = byId("box");
    boxText_ = byId("box-text");
    boxOk_ = byId("OK");
    system_ = {colourProbe(body, "CaptionText"), colourProbe(body, "CanvasText"),
               colourProbe(board_, "Field"), colourProbe(board_, "GrayText")};

    for (const TextBox box : textBoxes)
        texts_.at(static_cast<std::size_t>(box)) = table().controls[rowOf(box).index].text;
    cellEnabled_.fill(true);

    for (const char* type : {"mousedown", "input"})
        listen(board_, type);
    for (const char* type : {"close", "mousedown"})
        listen(box_, type);
    // A pointer's click lands where its press and release meet, maybe outside the board.
    for (const char* type : {"pointerdown", "pointerup", "pointercancel", "click", "keydown"})
        listen(document, type);
    for (const char* query : {"(prefers-color-scheme: dark)", "(forced-colors: active)"})
        listen(val::global("matchMedia")(std::string(query)), "change");
    takeColours();
    // From here the board is the program's, and the page's guard leaves its errors to it.
    document["documentElement"]["dataset"].set("running", std::string("true"));
    // Here, not in main as on the desktop: a page's program ends with no box of its own, so the
    // first game starts where an error can still be shown in the window's.
    runHandler([this] { game_.Form_Load(); });
}

val MainWindow::element(std::size_t row, int member) const
{
    return val::global("document")
        .call<val>("getElementById", controlId(table().controls[row], member));
}

void MainWindow::handle(const val& event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "change")
        return takeColours();
    if (type == "close")
        return boxClosed();
    if (type == "pointerdown" || type == "pointercancel")
        pointerClick_ = type == "pointerdown";
    if (type == "click")
        return click(event);
    if (ended_)
        return;
    if (type == "pointerdown") {
        pointerDown(event);
    } else if (type == "mousedown") {
        // The board's labels, pictures and lines, and the box around its button, leave the focus
        // where it is, as on the desktop.
        if (!isOwnControl(event["target"]))
            event.call<void>("preventDefault");
    } else if (type == "pointerup" || type == "pointercancel") {
        if (type == "pointerup")
            pointerUp(event);
        pressedCell_.reset();
    } else if (type == "keydown") {
        key(event);
    } else if (type == "input") {
        const val target = event["target"];
        texts_.at(std::stoi(target["dataset"]["box"].as<std::string>())) =
            target["value"].as<std::string>();
    }
}

// A click is a press and a release of the primary button, or a touch or a pen, on the same free
// cell; a press dragged off the cell plays nothing.
void MainWindow::pointerDown(const val& event)
{
    pressedCell_.reset();
    const val target = event["target"];
    if (event["button"].as<int>() != 0 || !event["isPrimary"].as<bool>())
        return;
    pressedCell_ = cellOf(target);
    // A touch keeps its pointer on the element it began on; the release must find the cell it
    // ends on.
    if (pressedCell_ && target.call<bool>("hasPointerCapture", event["pointerId"]))
        target.call<void>("releasePointerCapture", event["pointerId"]);
}

void MainWindow::pointerUp(const val& event)
{
    const std::optional<CellIndex> cell = cellOf(event["target"]);
    if (cell && cell == pressedCell_ && cellEnabled_.at(*cell))
        runHandler([&] { game_.lbl1_Click(*cell); });
}

// A pointer's click follows its press and release, which have played any cell; a screen
// reader's press, or an engine's default action for it, arrives as a click that no pointer
// made, and plays the cell it names.
void MainWindow::click(const val& event)
{
    const bool byPointer = std::exchange(pointerClick_, false);
    const val target = event["target"];
    if (target.strictlyEquals(boxOk_))
        box_.call<void>("close");
    else if (ended_)
        return;
    else if (target.strictlyEquals(control(mainRow::Cmd3)))
        runHandler([this] { game_.Cmd3_Click(); });
    else if (!byPointer)
        readerPress(target);
}

// A press by a screen reader, or by Enter or Space on a focused cell, plays the free cell it
// names, and nothing while the box is open.
void MainWindow::readerPress(const val& target)
{
    const std::optional<CellIndex> cell = cellOf(target);
    if (cell && !boxOpen_ && cellEnabled_.at(*cell))
        runHandler([&] { game_.lbl1_Click(*cell); });
}

// Enter and Space play a cell that a reader's own navigation has focused, as they press a
// button.
void MainWindow::key(const val& event)
{
    const std::string key = event["key"].as<std::string>();
    if (key == "Tab")
        return tab(event);
    if ((key == "Enter" || key == " ") && cellOf(event["target"])) {
        event.call<void>("preventDefault");
        readerPress(event["target"]);
    }
}

// Tab and Shift+Tab go round the controls that take the focus, in the table's tab order.
void MainWindow::tab(const val& event)
{
    const std::vector<MemberRef> order = focusOrder(table());
    const std::string focused = val::global("document")["activeElement"]["id"].as<std::string>();
    const auto at = std::find_if(order.begin(), order.end(), [&](MemberRef ref) {
        return controlId(table().controls[ref.row], ref.member) == focused;
    });
    const bool back = event["shiftKey"].as<bool>();
    const std::size_t count = order.size();
    const std::size_t here = at == order.end() ? (back ? 0 : count - 1) : at - order.begin();
    const MemberRef next = order[(here + (back ? count - 1 : 1)) % count];
    event.call<void>("preventDefault");
    element(next.row, next.member).call<void>("focus");
}

void MainWindow::takeColours()
{
    const BoardColours colours =
        boardColours(colourOf(system_.captionText), colourOf(system_.canvasText));
    // A disabled text box's text is muted, but must still read on the box's ground.
    const Rgb field = colourOf(system_.field);
    const Rgb muted = readableInk(colourOf(system_.grayText), field);
    setStyle(board_, "--ground", cssColour(colours.ground));
    setStyle(board_, "--ink", cssColour(colours.ink));
    setStyle(board_, "--field", cssColour(field));
    setStyle(board_, "--muted", cssColour(muted));
}

const MainWindow::Form2& MainWindow::form2() const
{
    if (!form2_) {
        const auto load = [](Mark mark) {
            const MarkFiles files =
                markFiles(form2Description().controls[holderOf(mark).index].picture);
            return std::make_shared<const WebPicture>(
                WebPicture{readMarkPicture(files.small.start, files.small.url, files.large.start,
                                           files.large.url),
                           files.small.url, std::string(files.large.url) + " 4x"});
        };
        form2_ = Form2{load(Mark::X), load(Mark::O)};
    }
    return *form2_;
}

MainWindow::Picture MainWindow::pictureOf(Mark mark) const
{
    const Form2& pictures = form2();
    return mark == Mark::X ? pictures.x : mark == Mark::O ? pictures.o : nullptr;
}

PictureHandle MainWindow::cellPictureHandle(CellIndex cell) const
{
    return handleOf(pictures_.at(cell));
}

PictureHandle MainWindow::markPictureHandle(Mark mark) const
{
    return handleOf(pictureOf(mark));
}

void MainWindow::assignPicture(CellIndex cell, Mark mark)
{
    pictures_.at(cell) = pictureOf(mark);
    show([this, cell, mark, picture = pictures_[cell], enabled = cellEnabled_[cell]] {
        val image = control(mainRow::Img1, cell);
        if (picture) {
            image.set("srcset", picture->srcset);
            image.set("src", picture->src);
        } else {
            image.call<void>("removeAttribute", std::string("srcset"));
            image.call<void>("removeAttribute", std::string("src"));
        }
        showCell(cell, mark, enabled, mark != Mark::Blank);
    });
}

void MainWindow::setCellEnabled(CellIndex cell, bool enabled)
{
    cellEnabled_.at(cell) = enabled;
    show([this, cell, enabled, mark = shownMark(*this, cell)] {
        showCell(cell, mark, enabled, false);
    });
}

void MainWindow::showCell(CellIndex cell, Mark mark, bool enabled, bool announce)
{
    const std::string name =
        spokenControl(table().controls[mainRow::lbl1.index], cell, enabled, mark).name;
    val label = control(mainRow::lbl1, cell);
    label.call<void>("setAttribute", std::string("aria-label"), name);
    label.call<void>("setAttribute", std::string("aria-disabled"),
                     std::string(enabled ? "false" : "true"));
    if (announce)
        spoken_.set("textContent", name);
}

std::string MainWindow::text(TextBox box) const
{
    return texts_.at(static_cast<std::size_t>(box));
}

void MainWindow::setText(TextBox box, const std::string& text)
{
    texts_.at(static_cast<std::size_t>(box)) = text;
    show([this, box, text] { control(rowOf(box)).set("value", text); });
}

void MainWindow::showMessage(const std::string& text)
{
    show([this, text] { openBox(text); });
}

void MainWindow::show(std::function<void()> change)
{
    pending_.push_back(std::move(change));
    showPending();
}

void MainWindow::showPending()
{
    while (!boxOpen_ && !pending_.empty()) {
        const std::function<void()> change = std::move(pending_.front());
        pending_.pop_front();
        change();
    }
}

void MainWindow::openBox(const std::string& text)
{
    boxText_.set("textContent", text);
    boxOpen_ = true;
    box_.call<void>("showModal");
    boxOk_.call<void>("focus");
}

void MainWindow::boxClosed()
{
    boxOpen_ = false;
    if (ended_)
        frame_.call<void>("remove");
    else
        showPending();
}

void MainWindow::runHandler(const std::function<void()>& handler)
{
    runGuarded(handler, [this](const std::exception& error) {
        ended_ = true;
        pending_.clear();
        if (boxOpen_)
            boxText_.set("textContent", fatalErrorMessage(error.what()));
        else
            openBox(fatalErrorMessage(error.what()));
    });
}

} // namespace zorbelkin::web
