#include "score.h"

#include <QLocale>

#include <cmath>
#include <cstdint>

namespace zorbelkin {

double scoreFromText(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString scoreToText(double score)
{
    if (std::abs(score) < 1e15 && score == std::trunc(score))
        return QString::number(static_cast<std::int64_t>(score));
    return QString::number(score, 'g', QLocale::FloatingPointShortest);
}

} // namespace zorbelkin
