#pragma once
// The search window's colours: the skin's ink on rice paper, its celadon band for the chosen row
// and tab, and the seal's vermilion for the found text.

#include <QColor>

namespace veyrin::search_look {

inline const QColor kPaper(0xFB, 0xF8, 0xF0);
inline const QColor kInk(0x2E, 0x28, 0x22);
inline const QColor kInkLine(0x5E, 0x53, 0x48);
inline const QColor kFaintInk(0x8A, 0x7F, 0x70);
inline const QColor kCeladonInk(0x3C, 0x58, 0x4C);
inline const QColor kBand(0xDD, 0xE8, 0xE0);
inline const QColor kBandEdge(0x9F, 0xB9, 0xAA);
inline const QColor kSeal(0xA6, 0x33, 0x20);
inline const QColor kSealWash(0xF6, 0xDD, 0xD5);
inline const QColor kIdleTab(0xEC, 0xE6, 0xDA);

}  // namespace veyrin::search_look
