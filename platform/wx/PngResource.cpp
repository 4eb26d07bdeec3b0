#include "platform/wx/PngResource.h"

#include <wx/icon.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/toplevel.h>

#include "platform/wx/PngTable.h"

namespace quorrel {

wxBitmap LoadPngResource(int id) {
    const PngEntry* entry = FindPngEntry(id);
    if (!entry || entry->size == 0) return wxBitmap();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    // Decoding errors would otherwise pop up the toolkit's log window.
    wxLogNull quiet;
    wxMemoryInputStream stream(entry->data, entry->size);
    wxImage image;
    if (!image.LoadFile(stream, wxBITMAP_TYPE_PNG) || !image.IsOk()) return wxBitmap();
    return wxBitmap(image);
}

void SetAppIcon(wxTopLevelWindow& window) {
    const wxBitmap bitmap = LoadPngResource(kAppIconPng);
    if (!bitmap.IsOk()) return;
    wxIcon icon;
    icon.CopyFromBitmap(bitmap);
    window.SetIcon(icon);
}

}  // namespace quorrel
