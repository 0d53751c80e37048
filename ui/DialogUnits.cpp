#include "DialogUnits.h"

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    // The average width is taken over the 52 Latin letters, rounded, the platform's own way.
    : m_baseX((metrics.horizontalAdvance(
                   QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) /
                   26 +
               1) /
              2),
      m_baseY(metrics.height()) {}
