// The About box's credit texts, kept in the program only as scrambled records and rebuilt once
// at start-up.
//
// A record is n (signed), a bias b, then one 32-bit value v[i] per character: character i is
// (low byte of b + low byte of v[i]) modulo 256. The upper bytes are noise.
#pragma once

#include <cstdint>

class CCrypt {
 public:
  static constexpr int kStrings = 6;

  // Builds all six strings; string 0 is "by " followed by the first record's text.
  CCrypt();
  virtual ~CCrypt();
  CCrypt(const CCrypt&) = delete;
  CCrypt& operator=(const CCrypt&) = delete;

  // Releases *out and replaces it by the record's text (empty, not null, for n = 0; null when
  // memory runs out). Always 0.
  static int Decode(const std::uint32_t* record, char** out);

  // 5: title line; 4: product line before the version; 0, 1, 2: credit lines; 3: not shown.
  char* lpszCredit[kStrings] = {};
};
