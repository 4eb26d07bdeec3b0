// Loaders of the illumination catalogue (quorrel_led.mdb): the lights of the
// table Common completed from their type's data table, the
// illumination types and the emitted colours.
#include <string>
#include <vector>

#include "catalogue/CCatalogDatabase.h"
#include "catalogue/LedRecordFactory.h"
#include "illumination/CLedData.h"
#include "illumination/LedVocabulary.h"

namespace {

// The 28 Common columns in the order a light row is read.
tagLedCommonColumns ReadCommonColumns(const CCatalogRow& row) {
    tagLedCommonColumns c;
    c.ProductName = row.Text("ProductName");
    c.Type = row.Int("Type");
    c.Color = row.Int("Color");
    c.MaxRatedCurrent = row.Double("MaxRatedCurrent");
    c.Power = row.Double("Power");
    c.Weight = row.Double("Weight");
    c.Controller = row.Text("Controller");
    c.ControlMethod = row.Text("ControlMethod");
    c.WindowSize = row.Double("WindowSize");
    c.MinWD = row.Double("MinWD");
    c.CalculatedMaxWD = row.Double("CalculatedMaxWD");
    c.MaxWD = row.Double("MaxWD");
    c.WD_H_a = row.Double("WD_H_a");
    c.WD_H_b = row.Double("WD_H_b");
    c.WD_H_c = row.Double("WD_H_c");
    c.WD_H_d = row.Double("WD_H_d");
    c.WD_V_a = row.Double("WD_V_a");
    c.WD_V_b = row.Double("WD_V_b");
    c.WD_V_c = row.Double("WD_V_c");
    c.WD_V_d = row.Double("WD_V_d");
    c.WD_D_a = row.Double("WD_D_a");
    c.WD_D_b = row.Double("WD_D_b");
    c.WD_D_c = row.Double("WD_D_c");
    c.WD_D_d = row.Double("WD_D_d");
    c.MTO = row.Int("MTO");
    c.CatalogJP = row.Text("CatalogJP");
    c.CatalogEN = row.Text("CatalogEN");
    c.CatalogCN = row.Text("CatalogCN");
    return c;
}

// Reads the first row of a light's data table, the product name bound as the
// query's parameter. True when a row was found and read without error.
// Product names match without regard to case, as the database engine the
// catalogue files were made for compares text; SQLite's NOCASE folds the
// ASCII letters, which the maker's model names are written in. Of several
// matching rows the first stored one is read.
bool ReadSpecRow(CCatalogDatabase& db, std::string_view table, const std::wstring& productName,
                 const CCatalogDatabase::RowHandler& read) {
    const std::string sql = "SELECT * FROM " + std::string(table) +
                            " WHERE ProductName = ? COLLATE NOCASE ORDER BY rowid";
    bool seen = false;
    const bool ok =
        db.RunLoader(sql, {productName}, read, CCatalogDatabase::RowLimit::FirstRow, &seen);
    return ok && seen;
}

}  // namespace

bool CCatalogDatabase::LoadLedCommonTable(std::vector<std::unique_ptr<CLedData>>& arr) {
    // Phase 1: one record per current light whose type has a class; rows of
    // other types are passed over. Lights of equal display order keep their
    // storage order (the row id breaks the tie), whatever index the file has.
    std::vector<LedSpecReader> specReaders;  // one per record, in array order
    const bool result = RunLoader(
        "SELECT * FROM Common WHERE (Discontinued = 0) ORDER BY DispOrder, rowid", {},
        [&](const CCatalogRow& row) {
            LedSpecReader readSpec;
            if (auto record = CreateLedRecord(ReadCommonColumns(row), &readSpec)) {
                arr.push_back(std::move(record));
                specReaders.push_back(std::move(readSpec));
            }
        });

    // Phase 2, after the Common rows are closed: each light's own geometry.
    if (result && !arr.empty()) {
        for (const LedSpecReader& readSpec : specReaders) readSpec(*this);
    }
    return result;
}

bool CCatalogDatabase::LoadIlluminationTypeTable(
    std::vector<std::unique_ptr<CLedTypeData>>& arr) {
    // Ties in storage order, as for the lights.
    return RunLoader("SELECT * FROM IlluminationType WHERE (Discontinued = 0)"
                     " ORDER BY DispOrder, rowid",
                     {}, [&](const CCatalogRow& row) {
                         auto rec = std::make_unique<CLedTypeData>();
                         rec->m_strTypeNameCN = row.Text("TypeNameCN");
                         rec->m_strTypeNameEN = row.Text("TypeNameEN");
                         rec->m_strTypeNameJP = row.Text("TypeNameJP");
                         rec->m_nTypeNum = row.Int("TypeNum");
                         arr.push_back(std::move(rec));
                     });
}

bool CCatalogDatabase::LoadColorTable(std::vector<std::unique_ptr<CLedColorData>>& arr) {
    // No order of their own: the colours come as they are stored.
    return RunLoader("SELECT * FROM Color ORDER BY rowid", {}, [&](const CCatalogRow& row) {
        auto rec = std::make_unique<CLedColorData>();
        rec->m_strColorNameCN = row.Text("ColorNameCN");
        rec->m_strColorNameEN = row.Text("ColorNameEN");
        rec->m_strColorNameJP = row.Text("ColorNameJP");
        rec->m_nColorNum = row.Int("ColorNum");
        arr.push_back(std::move(rec));
    });
}

// ---- data-table queries -------------------------------------------------
// Each presets its numbers to -1.0 (WindowForm to 0) and reads the first row
// for the product; its outputs take each value as soon as it is read.

bool CCatalogDatabase::GetSpecDirectRing(const std::wstring& productName,
                                         double* internalDiameter, double* externalDiameter,
                                         double* height, double* lightingAngle) {
    if (!m_bOpen) return false;
    *internalDiameter = *externalDiameter = *height = *lightingAngle = -1.0;
    return ReadSpecRow(*this, "Spec_DirectRing", productName,
                       [&](const CCatalogRow& row) {
                           *internalDiameter = row.Double("InternalDiameter");
                           *externalDiameter = row.Double("ExternalDiameter");
                           *height = row.Double("Height");
                           *lightingAngle = row.Double("LightingAngle");
                       });
}

bool CCatalogDatabase::GetSpecLowAngleRing(const std::wstring& productName,
                                           double* internalDiameter, double* externalDiameter,
                                           double* height, double* lightingAngle) {
    if (!m_bOpen) return false;
    *internalDiameter = *externalDiameter = *height = *lightingAngle = -1.0;
    return ReadSpecRow(*this, "Spec_LowAngleRing", productName,
                       [&](const CCatalogRow& row) {
                           *internalDiameter = row.Double("InternalDiameter");
                           *externalDiameter = row.Double("ExternalDiameter");
                           *height = row.Double("Height");
                           *lightingAngle = row.Double("LightingAngle");
                       });
}

bool CCatalogDatabase::GetSpecShadowlessRing(const std::wstring& productName,
                                             double* internalDiameter, double* externalDiameter,
                                             double* height) {
    if (!m_bOpen) return false;
    *internalDiameter = *externalDiameter = *height = -1.0;
    return ReadSpecRow(*this, "Spec_ShadowlessRing", productName,
                       [&](const CCatalogRow& row) {
                           *internalDiameter = row.Double("InternalDiameter");
                           *externalDiameter = row.Double("ExternalDiameter");
                           *height = row.Double("Height");
                       });
}

bool CCatalogDatabase::GetSpecSimulatedCoaxial(const std::wstring& productName, double* length,
                                               double* width, double* height, int* windowForm,
                                               double* longSide, double* shortSide,
                                               double* opticalPathLengthExtension) {
    if (!m_bOpen) return false;
    *length = *width = *height = *longSide = *shortSide = *opticalPathLengthExtension = -1.0;
    *windowForm = 0;
    return ReadSpecRow(
        *this, "Spec_SimulatedCoaxialIllumination", productName, [&](const CCatalogRow& row) {
            *length = row.Double("Length");
            *width = row.Double("Width");
            *height = row.Double("Height");
            *windowForm = row.Int("WindowForm");
            *longSide = row.Double("LongSide");
            *shortSide = row.Double("ShortSide");
            *opticalPathLengthExtension = row.Double("OpticalPathLengthExtension");
        });
}

bool CCatalogDatabase::GetSpecBar(const std::wstring& productName, double* length, double* width,
                                  double* thickness, std::wstring* lightingArea) {
    if (!m_bOpen) return false;
    *length = *width = *thickness = -1.0;
    return ReadSpecRow(*this, "Spec_Bar", productName,
                       [&](const CCatalogRow& row) {
                           *length = row.Double("Length");
                           *width = row.Double("Width");
                           *thickness = row.Double("Tickness");
                           *lightingArea = row.Text("LightingArea");
                       });
}

bool CCatalogDatabase::GetSpecBacklights(const std::wstring& productName, double* length,
                                         double* width, double* thickness,
                                         std::wstring* lightingSurface) {
    if (!m_bOpen) return false;
    *length = *width = *thickness = -1.0;
    return ReadSpecRow(*this, "Spec_Backlights", productName,
                       [&](const CCatalogRow& row) {
                           *length = row.Double("Length");
                           *width = row.Double("Width");
                           *thickness = row.Double("Tickness");
                           *lightingSurface = row.Text("LightingSurface");
                       });
}

bool CCatalogDatabase::GetSpecSimpleDome(const std::wstring& productName,
                                         double* internalDiameter, double* externalDiameter,
                                         double* height, double* windowSizeL, double* windowSizeS,
                                         double* windowThickness) {
    if (!m_bOpen) return false;
    *internalDiameter = *externalDiameter = *height = *windowSizeL = *windowSizeS =
        *windowThickness = -1.0;
    return ReadSpecRow(*this, "Spec_SimpleDome", productName,
                       [&](const CCatalogRow& row) {
                           *internalDiameter = row.Double("InternalDiameter");
                           *externalDiameter = row.Double("ExternalDiameter");
                           *height = row.Double("Height");
                           *windowSizeL = row.Double("WindowSizeL");
                           *windowSizeS = row.Double("WindowSizeS");
                           *windowThickness = row.Double("WindowThickness");
                       });
}
