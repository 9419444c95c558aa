#pragma once

#include <QColor>
#include <QString>

// What the two reward games share: their background and their quit question.
namespace RewardLook {
// Light lavender behind both games; the catching game also wipes its marks in it.
inline const QColor background(192, 192, 255);

inline QString quitQuestion() { return QStringLiteral("  Dieses Spiel jetzt beenden?"); }
} // namespace RewardLook
