#include "launcher/gif_writer.h"

#include <gif_lib.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <unordered_map>

namespace kx {

namespace {

std::string gifError(const char* what, int code) {
  const char* text = GifErrorString(code);
  return std::string(what) + ": " + (text != nullptr ? text : "unknown GIF error");
}

// Centiseconds from the start, rounded, so the delays add up to the real time without drift.
int centiseconds(uint32_t ms) {
  return static_cast<int>((ms + 5) / 10);
}

// The palette size GIF wants: a power of two from 2 to 256.
int paletteSize(size_t colours) {
  int size = 2;
  while (static_cast<size_t>(size) < colours) size *= 2;
  return size;
}

}  // namespace

GifWriter::~GifWriter() {
  if (m_gif != nullptr) EGifCloseFile(m_gif, nullptr);
}

std::string GifWriter::open(const std::string& path, int width, int height) {
  // Opened here rather than by giflib, which would make the file readable by its owner only; a
  // recording is an ordinary file, with the permissions the umask gives.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return "cannot write " + path + ": " + std::strerror(errno);
  int error = 0;
  m_gif = EGifOpenFileHandle(fd, &error);
  if (m_gif == nullptr) {
    ::close(fd);
    return gifError(("cannot write " + path).c_str(), error);
  }
  m_width = width;
  m_height = height;
  EGifSetGifVersion(m_gif, true);
  if (EGifPutScreenDesc(m_gif, width, height, 8, 0, nullptr) == GIF_ERROR)
    return gifError("cannot write the GIF header", m_gif->Error);
  // Loop for ever, as a screen saver does.
  static const GifByteType kNetscape[] = "NETSCAPE2.0";
  static const GifByteType kLoop[] = {1, 0, 0};
  if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(m_gif, 11, kNetscape) == GIF_ERROR ||
      EGifPutExtensionBlock(m_gif, 3, kLoop) == GIF_ERROR || EGifPutExtensionTrailer(m_gif) == GIF_ERROR)
    return gifError("cannot write the GIF loop block", m_gif->Error);
  return {};
}

GifWriter::Frame GifWriter::quantise(const DesktopPixels& pixels, uint32_t timeMs) {
  Frame frame;
  frame.timeMs = timeMs;
  frame.indexes.resize(static_cast<size_t>(pixels.width) * pixels.height);
  // The console's colours are few: exact colours first, and only a crowded frame falls back to a
  // fixed palette of 8 reds, 8 greens and 4 blues.
  std::unordered_map<uint32_t, uint8_t> exact;
  bool crowded = false;
  for (int y = 0; y < pixels.height && !crowded; ++y) {
    const uint32_t* row = pixels.pixels + static_cast<size_t>(y) * pixels.stride;
    for (int x = 0; x < pixels.width; ++x) {
      uint32_t colour = row[x] & 0xFFFFFF;
      auto it = exact.find(colour);
      if (it == exact.end()) {
        if (exact.size() == 256) {
          crowded = true;
          break;
        }
        it = exact.emplace(colour, static_cast<uint8_t>(exact.size())).first;
        frame.palette.push_back(colour);
      }
      frame.indexes[static_cast<size_t>(y) * pixels.width + x] = it->second;
    }
  }
  if (!crowded) return frame;
  frame.palette.clear();
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t r = (i >> 5) * 255 / 7, g = ((i >> 2) & 7) * 255 / 7, b = (i & 3) * 255 / 3;
    frame.palette.push_back(r << 16 | g << 8 | b);
  }
  for (int y = 0; y < pixels.height; ++y) {
    const uint32_t* row = pixels.pixels + static_cast<size_t>(y) * pixels.stride;
    for (int x = 0; x < pixels.width; ++x) {
      uint32_t c = row[x];
      frame.indexes[static_cast<size_t>(y) * pixels.width + x] =
          static_cast<uint8_t>((c >> 21 & 7) << 5 | (c >> 13 & 7) << 2 | (c >> 6 & 3));
    }
  }
  return frame;
}

std::string GifWriter::writeFrame(const Frame& frame, int delayCs) {
  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSE_DO_NOT;
  gcb.DelayTime = delayCs;
  gcb.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  size_t length = EGifGCBToExtension(&gcb, extension);
  if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR)
    return gifError("cannot write a frame's delay", m_gif->Error);

  std::vector<GifColorType> colours(paletteSize(frame.palette.size()));
  for (size_t i = 0; i < frame.palette.size(); ++i) {
    colours[i] = GifColorType{static_cast<GifByteType>(frame.palette[i] >> 16),
                              static_cast<GifByteType>(frame.palette[i] >> 8),
                              static_cast<GifByteType>(frame.palette[i])};
  }
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  if (map == nullptr) return "out of memory for a GIF palette";
  int rc = EGifPutImageDesc(m_gif, 0, 0, m_width, m_height, false, map);
  GifFreeMapObject(map);
  if (rc == GIF_ERROR) return gifError("cannot write a frame", m_gif->Error);
  std::vector<GifPixelType> line(frame.indexes.begin(), frame.indexes.end());
  if (EGifPutLine(m_gif, line.data(), static_cast<int>(line.size())) == GIF_ERROR)
    return gifError("cannot write a frame's pixels", m_gif->Error);
  return {};
}

std::string GifWriter::addFrame(const DesktopPixels& pixels, uint32_t timeMs) {
  if (m_gif == nullptr) return "the GIF file is not open";
  if (pixels.width != m_width || pixels.height != m_height) return "the desktop changed its size";
  Frame next = quantise(pixels, timeMs);
  if (m_pending) {
    m_lastDelayCs = centiseconds(timeMs) - centiseconds(m_frame.timeMs);
    if (std::string error = writeFrame(m_frame, m_lastDelayCs); !error.empty()) return error;
  }
  m_frame = std::move(next);
  m_pending = true;
  return {};
}

std::string GifWriter::close() {
  if (m_gif == nullptr) return {};
  std::string error;
  if (m_pending) error = writeFrame(m_frame, m_lastDelayCs);
  m_pending = false;
  int code = 0;
  if (EGifCloseFile(m_gif, &code) == GIF_ERROR && error.empty())
    error = gifError("cannot finish the GIF", code);
  m_gif = nullptr;
  return error;
}

}  // namespace kx
