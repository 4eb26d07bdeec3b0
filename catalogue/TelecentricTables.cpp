// Loaders of the telecentric catalogue (quorrel_tkl.mdb): lens table LENS and
// lens-extra table LENS_EXTRA.
#include <string>
#include <vector>

#include "catalogue/CCatalogDatabase.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

namespace {

// A catalogue row whose model name holds "_" describes two lenses of one
// construction: "AB-12_34" stands for AB-12 and AB-34. The first name is the
// text before the first "_"; the second is the text after it, behind the
// start of the name up to and including its first "-" (nothing when the name
// has no "-"). The stored catalogues are written for exactly this rule, odd
// cases included ("AB_12-3" gives AB and AB_12-12-3).
std::vector<std::wstring> SplitModelName(const std::wstring& name) {
    const size_t underscore = name.find(L'_');
    if (underscore == std::wstring::npos) return {name};
    const size_t dash = name.find(L'-');
    const std::wstring prefix = dash == std::wstring::npos ? std::wstring() : name.substr(0, dash + 1);
    return {name.substr(0, underscore), prefix + name.substr(underscore + 1)};
}

// The lens columns in the order the catalogue rows are read.
tagTKLColumns ReadLensColumns(const CCatalogRow& row) {
    tagTKLColumns c;
    c.SpecialFlag = row.Int("SpecialFlag");
    c.MountType = row.Text("MountType");
    c.CatalogCN = row.Text("CatalogCN");
    c.CatalogEN = row.Text("CatalogEN");
    c.CatalogJP = row.Text("CatalogJP");
    c.RearconRecommend = row.Int("RearconRecommend");
    c.EFDI = row.Double("EFDI");
    c.Mount = row.Double("Mount");
    c.HoldD = row.Double("HoldD");
    c.HoldC = row.Double("HoldC");
    c.HoldB = row.Double("HoldB");
    c.HoldA = row.Double("HoldA");
    c.LBLimit = row.Double("LBLimit");
    c.CCDLimit = row.Double("CCDLimit");
    c.LBd = row.Double("LBd");
    c.LB = row.Double("LB");
    c.STO = row.Double("STO");
    c.EXPD = row.Double("EXPD");
    c.ENPD = row.Double("ENPD");
    c.EXPP = row.Double("EXPP");
    c.ENPP = row.Double("ENPP");
    c.LHP = row.Double("LHP");
    c.LH = row.Double("LH");
    c.DOF = row.Double("DOF");
    c.RS = row.Double("RS");
    c.L = row.Double("L");
    c.OI = row.Double("OI");
    c.OD = row.Double("OD");
    c.WD = row.Double("WD");
    c.NA = row.Double("NA");
    c.Feff = row.Double("Feff");
    c.Flength = row.Double("Flength");
    c.Pmag = row.Double("Pmag");
    c.SensorType = row.Text("SensorType");
    c.Kind = row.Text("Kind");
    return c;
}

}  // namespace

// Both tables follow their ID; rows of equal ID keep their storage order (the
// row id breaks the tie), whatever index the file has.
bool CCatalogDatabase::LoadTKLLensTable(std::vector<std::unique_ptr<CTKLData>>& arr) {
    return RunLoader("SELECT * FROM LENS WHERE (Discontinued = 0) ORDER BY ID, rowid", {},
                     [&](const CCatalogRow& row) {
                         const std::wstring type = row.Text("Type");
                         for (const std::wstring& name : SplitModelName(type)) {
                             // Each record reads the row again; a failing read
                             // leaves the records already appended.
                             const tagTKLColumns columns = ReadLensColumns(row);
                             arr.push_back(std::make_unique<CTKLData>(name, columns));
                         }
                     });
}

bool CCatalogDatabase::LoadTKLExtraTable(std::vector<std::unique_ptr<CTKLExtraData>>& arr) {
    return RunLoader(
        "SELECT * FROM LENS_EXTRA WHERE REARCON_Type = '--' ORDER BY ID DESC, rowid", {},
        [&](const CCatalogRow& row) {
            const std::wstring type = row.Text("LENS_Type");
            for (const std::wstring& name : SplitModelName(type)) {
                auto rec = std::make_unique<CTKLExtraData>();
                rec->MagMax = row.Double("MagMax");
                rec->MagMin = row.Double("MagMin");
                rec->RelativeIllum = row.Double("RelativeIllum");
                rec->Distortion = row.Double("Distortion");
                rec->Telecentricity = row.Double("Telecentricity");
                rec->CCD_Type = row.Text("CCD_Type");
                rec->REARCON_Type = row.Text("REARCON_Type");
                rec->LENS_Type = name;
                arr.push_back(std::move(rec));
            }
        });
}
