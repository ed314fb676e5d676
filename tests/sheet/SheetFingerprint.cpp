#include "SheetFingerprint.h"

#include "RecordingSurface.h"

#include <cstdio>

namespace {

// FNV-1a over 64 bits.
class Hash {
public:
    void Add(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            m_h ^= (v >> (8 * i)) & 0xFF;
            m_h *= 0x100000001b3ULL;
        }
    }
    void Add(const std::wstring& s) {
        Add(s.size());
        for (wchar_t c : s)
            Add(static_cast<std::uint64_t>(c));
    }
    std::uint64_t Value() const { return m_h; }

private:
    std::uint64_t m_h = 0xcbf29ce484222325ULL;
};

std::uint64_t Drawn(CRTData c, int dpi, int fh, int x0, int y0, int selector) {
    CRecordingSurface s(dpi, dpi);
    c.DrawSheet(&s, fh, x0, y0, selector);
    Hash h;
    for (const RecordedOp& op : s.Ops()) {
        h.Add(op.kind);
        h.Add(op.points.size());
        for (const SurfacePoint& p : op.points) {
            h.Add(static_cast<std::uint64_t>(p.x));
            h.Add(static_cast<std::uint64_t>(p.y));
        }
        h.Add(op.text);
        h.Add(static_cast<std::uint64_t>(op.font.height));
        h.Add(static_cast<std::uint64_t>(op.font.escapement));
        h.Add(static_cast<std::uint64_t>(op.font.pitch));
        h.Add(op.font.face);
        h.Add(op.align);
        h.Add(op.brush.kind);
        h.Add(op.brush.color);
        h.Add(static_cast<std::uint64_t>(op.brush.hatchStyle));
    }
    return h.Value();
}

} // namespace

SheetFingerprint FingerprintOf(const CRTData& c) {
    SheetFingerprint f;
    CRTData text = c;
    text.m_strSheet = std::wstring();
    text.DrawSheet(nullptr, 0, 0, 0, 0);
    Hash h;
    h.Add(text.m_strSheet);
    f.text = h.Value();
    f.screen = Drawn(c, 96, 15, 30, 0, 0);
    f.page1 = Drawn(c, 600, 83, 200, 300, 1);
    f.page2 = Drawn(c, 600, 83, 200, 300, 2);
    return f;
}

std::string ToLine(const SheetFingerprint& f) {
    char line[80];
    std::snprintf(
        line, sizeof line, "%016llx %016llx %016llx %016llx",
        static_cast<unsigned long long>(f.text), static_cast<unsigned long long>(f.screen),
        static_cast<unsigned long long>(f.page1), static_cast<unsigned long long>(f.page2));
    return line;
}
