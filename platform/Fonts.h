#pragma once
// Fonts by family list: "宋体" first, then a CJK serif the system has.
#include <QFont>

QFont SongFont(int pixelSize, bool bold = false);
QFont KaiFont(int pixelSize, bool bold = false);
