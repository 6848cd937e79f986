#include "user/edit_buffer.h"

#include <algorithm>
#include <limits>

namespace kx {

void EditBuffer::setLimit(size_t limit) {
  // 0 means "as much as the control can hold".
  m_limit = limit == 0 ? std::numeric_limits<size_t>::max() / 2 : limit;
}

void EditBuffer::setText(std::string_view text) {
  m_text.assign(text);
  m_caret = 0;
  m_firstVisibleLine = 0;
}

bool EditBuffer::insert(std::string_view text) {
  std::string accepted;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (!m_multiLine) continue;
      // Any of CR LF, lone CR or lone LF becomes one CR LF pair.
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (m_text.size() + accepted.size() + 2 > m_limit) break;
      accepted += "\r\n";
      continue;
    }
    if (m_text.size() + accepted.size() + 1 > m_limit) break;
    accepted.push_back(c);
  }
  if (accepted.empty()) return false;
  m_text.insert(m_caret, accepted);
  m_caret += accepted.size();
  return true;
}

bool EditBuffer::insertLineBreak() {
  return m_multiLine && insert("\r\n");
}

bool EditBuffer::breakAt(size_t position) const {
  return position + 2 <= m_text.size() && m_text[position] == '\r' && m_text[position + 1] == '\n';
}

bool EditBuffer::backspace() {
  if (m_caret == 0) return false;
  size_t width = m_caret >= 2 && breakAt(m_caret - 2) ? 2 : 1;
  m_caret -= width;
  m_text.erase(m_caret, width);
  return true;
}

bool EditBuffer::deleteForward() {
  if (m_caret >= m_text.size()) return false;
  m_text.erase(m_caret, breakAt(m_caret) ? 2 : 1);
  return true;
}

void EditBuffer::moveLeft() {
  if (m_caret == 0) return;
  m_caret -= m_caret >= 2 && breakAt(m_caret - 2) ? 2 : 1;
}

void EditBuffer::moveRight() {
  if (m_caret >= m_text.size()) return;
  m_caret += breakAt(m_caret) ? 2 : 1;
}

void EditBuffer::moveHome() {
  m_caret = lineStart(lineOfCaret());
}

void EditBuffer::moveEnd() {
  m_caret = lineEnd(lineStart(lineOfCaret()));
}

void EditBuffer::moveUp() {
  size_t line = lineOfCaret();
  if (line == 0) return;
  setCaretAt(line - 1, m_caret - lineStart(line));
}

void EditBuffer::moveDown() {
  size_t line = lineOfCaret();
  if (line + 1 >= lineCount()) return;
  setCaretAt(line + 1, m_caret - lineStart(line));
}

void EditBuffer::setCaret(size_t position) {
  m_caret = std::min(position, m_text.size());
  // Never between the CR and the LF of a pair.
  if (m_caret > 0 && breakAt(m_caret - 1)) --m_caret;
}

size_t EditBuffer::lineEnd(size_t start) const {
  if (!m_multiLine) return m_text.size();
  size_t end = m_text.find("\r\n", start);
  return end == std::string::npos ? m_text.size() : end;
}

size_t EditBuffer::lineCount() const {
  if (!m_multiLine) return 1;
  size_t count = 1;
  for (size_t pos = m_text.find("\r\n"); pos != std::string::npos; pos = m_text.find("\r\n", pos + 2))
    ++count;
  return count;
}

size_t EditBuffer::lineOfCaret() const {
  if (!m_multiLine) return 0;
  size_t line = 0;
  for (size_t pos = m_text.find("\r\n"); pos != std::string::npos && pos < m_caret;
       pos = m_text.find("\r\n", pos + 2))
    ++line;
  return line;
}

size_t EditBuffer::lineStart(size_t line) const {
  size_t start = 0;
  for (size_t i = 0; i < line && m_multiLine; ++i) {
    size_t end = m_text.find("\r\n", start);
    if (end == std::string::npos) return start;
    start = end + 2;
  }
  return start;
}

std::string_view EditBuffer::lineText(size_t line) const {
  size_t start = lineStart(line);
  return std::string_view(m_text).substr(start, lineEnd(start) - start);
}

void EditBuffer::setCaretAt(size_t line, size_t column) {
  line = std::min(line, lineCount() - 1);
  size_t start = lineStart(line);
  m_caret = start + std::min(column, lineEnd(start) - start);
}

void EditBuffer::keepCaretVisible(size_t visibleLines) {
  size_t line = lineOfCaret();
  if (visibleLines == 0) visibleLines = 1;
  if (line < m_firstVisibleLine) m_firstVisibleLine = line;
  if (line >= m_firstVisibleLine + visibleLines) m_firstVisibleLine = line + 1 - visibleLines;
  m_firstVisibleLine = std::min(m_firstVisibleLine, lineCount() - 1);
}

}  // namespace kx
