// The state a drawing surface keeps besides its pixels: its fonts and brushes by handle, the
// font and the brush selected, and the text alignment. Object is the surface's own description
// of a font or a brush.
#pragma once

#include "sheet/Surface.h"

#include <map>
#include <utility>

template <typename Object> class CSurfaceObjects {
public:
    // Registers a font or a brush under a new handle; handles count up from 1.
    SurfaceHandle Add(bool isFont, Object object) {
        const SurfaceHandle handle = m_nextHandle++;
        m_entries.emplace(handle, Entry{isFont, std::move(object)});
        return handle;
    }

    // Selects a font or a brush and returns the one of its kind selected before (0 before the
    // first); an unknown handle changes nothing and gives 0.
    SurfaceHandle Select(SurfaceHandle handle) {
        auto it = m_entries.find(handle);
        if (it == m_entries.end())
            return 0;
        return std::exchange(it->second.isFont ? m_font : m_brush, handle);
    }

    // Deletes an object that is not selected; an unknown or a selected one stays, with false.
    bool Delete(SurfaceHandle handle) {
        if (handle == m_font || handle == m_brush)
            return false;
        return m_entries.erase(handle) != 0;
    }

    bool Contains(SurfaceHandle handle) const { return m_entries.count(handle) != 0; }
    std::size_t Count() const { return m_entries.size(); }
    SurfaceHandle SelectedFont() const { return m_font; }
    SurfaceHandle SelectedBrush() const { return m_brush; }
    const Object& Font() const { return m_entries.at(m_font).object; }
    const Object& Brush() const { return m_entries.at(m_brush).object; }

    // Sets the text alignment flags and returns the previous ones.
    unsigned SetTextAlign(unsigned flags) { return std::exchange(m_align, flags); }
    unsigned TextAlign() const { return m_align; }

private:
    struct Entry {
        bool isFont;
        Object object;
    };

    std::map<SurfaceHandle, Entry> m_entries;
    SurfaceHandle m_nextHandle = 1;
    SurfaceHandle m_font = 0;
    SurfaceHandle m_brush = 0;
    unsigned m_align = 0;
};
