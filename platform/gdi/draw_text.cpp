// DrawTextA: line breaks, word wrapping, '&' prefixes, alignment, clipping and measuring.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "gdi/dc.h"
#include "gdi/text.h"
#include "raster/text_raster.h"

using namespace kx;

namespace {

struct Line {
  std::string text;
  int underlined = -1;
  int width = 0;
};

// Removes '&' prefixes: "&&" is one '&', "&x" underlines x.
Line stripPrefixes(const std::string& raw, bool keepPrefixes) {
  Line line;
  if (keepPrefixes) {
    line.text = raw;
    return line;
  }
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '&' && i + 1 < raw.size()) {
      ++i;
      if (raw[i] != '&') line.underlined = int(line.text.size());
    } else if (raw[i] == '&') {
      continue;
    }
    line.text.push_back(raw[i]);
  }
  return line;
}

std::string expandTabs(const std::string& text, const FontFace& face, bool expand) {
  if (!expand || text.find('\t') == std::string::npos) return text;
  // Tab stops every eight average characters, approximated with spaces.
  std::string out;
  const int spaceWidth = std::max(1, face.advance(' '));
  const int stop = 8 * face.metrics().tmAveCharWidth;
  for (char c : text) {
    if (c != '\t') {
      out.push_back(c);
      continue;
    }
    const int width = face.textWidth(out.data(), int(out.size()));
    const int target = (width / stop + 1) * stop;
    out.append(size_t(std::max(1, (target - width + spaceWidth - 1) / spaceWidth)), ' ');
  }
  return out;
}

// Splits a paragraph at spaces so that each line fits `maxWidth` where it can.
void wrapWords(const std::string& paragraph, const FontFace& face, int64_t maxWidth,
               std::vector<std::string>& out) {
  size_t start = 0;
  while (start < paragraph.size()) {
    size_t end = start, lastBreak = std::string::npos;
    int64_t width = 0;
    while (end < paragraph.size()) {
      const int64_t next = width + face.advance(static_cast<unsigned char>(paragraph[end]));
      if (next > maxWidth && paragraph[end] != ' ' && lastBreak != std::string::npos) break;
      if (paragraph[end] == ' ') lastBreak = end;
      width = next;
      ++end;
    }
    if (end < paragraph.size() && lastBreak != std::string::npos) end = lastBreak;
    std::string line = paragraph.substr(start, end - start);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out.push_back(line);
    start = end;
    while (start < paragraph.size() && paragraph[start] == ' ') ++start;
  }
  if (paragraph.empty()) out.emplace_back();
}

std::vector<Line> layoutLines(const std::string& text, const FontFace& face, UINT format, int64_t maxWidth) {
  std::vector<std::string> paragraphs;
  if (format & DT_SINGLELINE) {
    paragraphs.push_back(text);
  } else {
    // CR LF, a lone CR and a lone LF each end a line.
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' || text[i] == '\n') {
        paragraphs.push_back(current);
        current.clear();
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      } else {
        current.push_back(text[i]);
      }
    }
    paragraphs.push_back(current);
  }
  std::vector<Line> lines;
  for (const std::string& paragraph : paragraphs) {
    std::vector<std::string> pieces;
    const std::string expanded = expandTabs(paragraph, face, format & DT_EXPANDTABS);
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
      wrapWords(expanded, face, maxWidth, pieces);
    } else {
      pieces.push_back(expanded);
    }
    for (const std::string& piece : pieces) {
      Line line = stripPrefixes(piece, format & DT_NOPREFIX);
      line.width = face.textWidth(line.text.data(), int(line.text.size()));
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

}  // namespace

int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  DcObject* dc = findDc(hdc);
  if (!dc || !lpchText || !lprc) return 0;
  const size_t length = cchText < 0 ? std::strlen(lpchText) : size_t(cchText);
  if (length == 0) return 0;
  const DcState& state = dc->state;
  const FontFace& face = selectedFace(state);
  const TEXTMETRICA& tm = face.metrics();
  const int64_t lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  const RECT rc = *lprc;
  const std::vector<Line> lines = layoutLines(std::string(lpchText, length), face, format,
                                              std::max<int64_t>(0, int64_t(rc.right) - rc.left));
  const int64_t height = lineHeight * int64_t(lines.size());

  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, line.width);
    lprc->right = LONG(std::clamp<int64_t>(int64_t(rc.left) + widest, INT32_MIN, INT32_MAX));
    lprc->bottom = LONG(std::clamp<int64_t>(int64_t(rc.top) + height, INT32_MIN, INT32_MAX));
    return int(height);
  }

  int64_t top = rc.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) {
      top = rc.top + (int64_t(rc.bottom) - rc.top - lineHeight) / 2;
    } else if (format & DT_BOTTOM) {
      top = int64_t(rc.bottom) - lineHeight;
    }
  }
  drawOn(*dc, [&](Raster& raster) {
    if (!(format & DT_NOCLIP)) raster.narrowClip(rc.left, rc.top, rc.right, rc.bottom);
    const uint32_t color = pixelFromColorRef(state.textColor);
    const Fill background = textBackground(state);
    int64_t y = top;
    for (const Line& line : lines) {
      int64_t x = rc.left;
      if (format & DT_RIGHT) {
        x = int64_t(rc.right) - line.width;
      } else if (format & DT_CENTER) {
        x = (int64_t(rc.left) + rc.right - line.width) / 2;
      }
      drawTextRun(raster, face, x, y, TextRun{line.text.data(), int(line.text.size()), line.underlined},
                  color, background);
      y += lineHeight;
    }
  });
  return int(std::min<int64_t>(height, INT32_MAX));
}
