// The text and caret of an edit control, without any drawing.
//
// Multi-line text keeps Windows' line breaks: CR LF pairs, which the caret steps over as one
// character and which count as two bytes against the limit. There is no selection: typing
// inserts at the caret.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

class EditBuffer {
 public:
  static constexpr size_t kDefaultLimit = 32767;

  explicit EditBuffer(bool multiLine = false) : m_multiLine(multiLine) {}

  const std::string& text() const { return m_text; }
  size_t caret() const { return m_caret; }
  size_t limit() const { return m_limit; }
  bool multiLine() const { return m_multiLine; }

  // EM_LIMITTEXT: 0 lifts the limit; text already longer stays.
  void setLimit(size_t limit);
  // WM_SETTEXT ignores the limit and puts the caret at the start.
  void setText(std::string_view text);

  // Typing and pasting stop at the limit; a single-line edit drops line breaks. False when
  // nothing changed.
  bool insert(std::string_view text);
  bool insertLineBreak();
  bool backspace();
  bool deleteForward();

  void moveLeft();
  void moveRight();
  void moveHome();
  void moveEnd();
  void moveUp();
  void moveDown();
  void setCaret(size_t position);

  // Lines split at CR LF; a single-line edit has one.
  size_t lineCount() const;
  size_t lineOfCaret() const;
  size_t lineStart(size_t line) const;
  std::string_view lineText(size_t line) const;
  // The caret in `line` at `column` bytes, clamped to the line.
  void setCaretAt(size_t line, size_t column);

  // Scrolls so that the caret's line lies within `visibleLines` lines from the first shown.
  void keepCaretVisible(size_t visibleLines);
  size_t firstVisibleLine() const { return m_firstVisibleLine; }

 private:
  bool breakAt(size_t position) const;
  size_t lineEnd(size_t start) const;

  bool m_multiLine;
  std::string m_text;
  size_t m_caret = 0;
  size_t m_limit = kDefaultLimit;
  size_t m_firstVisibleLine = 0;
};

}  // namespace kx
