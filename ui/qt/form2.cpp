// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "form2.h"

#include "buildwindow.h"
#include "controls.h"
#include "windowlayout.h"

namespace zorbelkin {

Form2::Form2(QWidget* owner)
    : QWidget(owner, Qt::Window), controls_(buildWindow(*this, form2Description()))
{}

const std::shared_ptr<const Picture>& Form2::picture(Mark mark) const
{
    return controls_(holderOf(mark)).picture();
}

} // namespace zorbelkin
