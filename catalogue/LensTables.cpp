// Loaders of the lens catalogue: the lenses and the sensor formats.
#include <memory>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "catalogue/LensRecordFactory.h"
#include "optics/CCCTVData.h"

// Current lenses in display order. Lenses that share a display position keep
// the order in which they are stored (the row id breaks the tie), so the list
// does not depend on how the database happens to sort equal keys.
tagLensColumns CCatalogDatabase::ReadCCTVLensColumns(const CCatalogRow& row) {
    tagLensColumns c;
    c.strType = row.Text("Type");
    c.nParamType = row.Int("ParamType");
    c.strCatalogJP = row.Text("CatalogJP");
    c.strCatalogEN = row.Text("CatalogEN");
    c.strCatalogCN = row.Text("CatalogCN");
    c.strParameter = row.Text("Parameter");
    c.dPixelSize = row.Double("PixelSize");
    c.strMountType = row.Text("MountType");
    c.nSpecialFlag = row.Int("SpecialFalg");
    c.nDrawoutDirection = row.Int("DrawoutDirection");
    c.strFno = row.Text("Fno");
    return c;
}

bool CCatalogDatabase::LoadLensTable(std::vector<std::unique_ptr<CCCTVData>>& arr) {
    return RunLoader(kLensTableSql, {},
                     [&arr](const CCatalogRow& row) { arr.push_back(CreateLensRecord(ReadCCTVLensColumns(row))); });
}

// Every sensor format in display order (ties in storage order, as above).
bool CCatalogDatabase::LoadCCDTable(std::vector<std::unique_ptr<CCCTVCCDData>>& arr) {
    return RunLoader("SELECT * FROM CCD ORDER BY DispOrder, rowid", {},
                     [&arr](const CCatalogRow& row) {
                         auto rec = std::make_unique<CCCTVCCDData>();
                         rec->m_nSpecialFlag = row.Int("SpecialFlag");
                         rec->m_nAreaFlag = row.Int("AreaFlag");
                         rec->m_strType = row.Text("Type");
                         rec->m_dRadial = row.Double("Radial");
                         rec->m_dVertical = row.Double("Vertical");
                         rec->m_dHorizontal = row.Double("Horizontal");
                         rec->m_nID = row.Int("ID");
                         arr.push_back(std::move(rec));
                     });
}
