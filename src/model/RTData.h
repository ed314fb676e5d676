// One retaining-wall case: geometry of stem and base slab, concrete, soil and load data,
// reinforcement of stem, toe and heel, the options of the earth-pressure calculation and
// the print mark. Lengths in m, angles in rad, unit weights in kN/m^3, surface loads and
// pressures in kN/m^2, Fc in N/mm^2, bar pitches in mm; everything per metre run of wall.
#pragma once

#include <string>

struct CBearingPressure;
struct CDesignResult;
class ISheetSurface;
class CArchiveWriter;
class CArchiveReader;

// Text buffer of the sheet. It belongs to the record it was rendered for: copying a record
// (or assigning one to another) leaves the target's buffer as it was.
class CSheetText : public std::wstring {
public:
    CSheetText() = default;
    CSheetText(const CSheetText&) : std::wstring() {}
    CSheetText(CSheetText&&) = default;
    CSheetText& operator=(const CSheetText&) { return *this; }
    CSheetText& operator=(CSheetText&&) = default;
    using std::wstring::operator=;
};

// The bar-table values of a slot's designation; both 0 when it does not resolve.
struct CBarValues {
    double area = 0.0;   // cm^2 of one bar
    double stress = 0.0; // allowable tensile stress, kN/cm^2
};

// Bar slots of m_strBar, m_nPitch and m_dBarSpare.
// Stress entries of a bar-table row (N/mm^2): long-term allowable, short-term allowable and
// yield point.
enum BarStressEntry { BAR_LONG_TERM = 2, BAR_SHORT_TERM = 3, BAR_YIELD = 6 };

enum BarSlot { SLOT_WALL = 0, SLOT_TOE = 1, SLOT_HEEL = 2, SLOT_SPARE = 3, BAR_SLOTS = 4 };

// A seismic level is checked while its coefficient is above 0. A coefficient that is not a
// number (possible only through a file) asks for the check too, so that it fails visibly
// instead of passing unnoticed.
inline bool SeismicLevelAsked(double kh) {
    return !(kh <= 0);
}

// The record's operations keep the names the users' calculation documents give them, but each
// is defined in the layer that does the work, so the record itself stays plain data:
//   Validate, Serialize, GetBar*                        in model (tarvo_model)
//   Calculate                                           in calc  (tarvo_calc)
//   DrawSheet, OutputLine, DrawWallFigure, DrawPressureFigure  in sheet (tarvo_sheet)
// A program calls an operation only when it links the library that defines it; the libraries
// link downwards (sheet -> calc -> model), so linking tarvo_sheet brings all of them. Moving the
// declarations beside their definitions as free functions would split one record's interface
// over three headers and rename what every reader of the sheet's formulas knows by these names.
class CRTData {
public:
    CRTData() = default;
    CRTData(const CRTData&) = default;
    CRTData(CRTData&&) = default;
    CRTData& operator=(const CRTData&) = default;
    CRTData& operator=(CRTData&&) = default;
    virtual ~CRTData() = default;

    void SetTitle(const std::wstring& title) { m_strTitle = title; }

    // Some seismic level is asked for: the sheet gains its section 7) and a third page.
    bool SeismicAsked() const { return SeismicLevelAsked(m_kh1) || SeismicLevelAsked(m_kh2); }

    // Validation of the entered values; returns the joined message lines (empty when valid)
    // and trims the four bar designations.
    std::wstring Validate();

    // Case body of the case file: every field except the sheet text, in the file's order.
    // Reading overwrites field by field and stops at the archive's first failure.
    void Serialize(CArchiveWriter& ar) const;
    void Serialize(CArchiveReader& ar);

    // Bar-table lookups for slot 0 (stem), 1 (toe) or 2 (heel).
    // Area (cm^2 of one bar) and a stress entry (BarStressEntry, kN/cm^2) in one lookup; for
    // a two-part designation the stress is the lower of both parts by the rule of the
    // allowable stress.
    CBarValues GetBarValues(int slot, int entry) const;
    double GetBarArea(int slot) const;            // cm^2 of one bar
    double GetBarAllowableStress(int slot) const; // kN/cm^2
    double GetBarStress(int slot, int entry) const;
    std::wstring GetBarGradeLabel(int slot) const; // grade of the bar that governs the stress

    // Runs the whole design calculation into res. Refreshes the derived inputs m_delta,
    // m_deltaW, m_thetaW and m_KA when their options are set; changes nothing else.
    void Calculate(CDesignResult& res);

    // Calculation sheet of the case: on a surface (fh: font height in device units; selector
    // 0 the whole sheet, 1 the first printed page, 2 the second), or, with no surface, as
    // text appended line by line to m_strSheet.
    void DrawSheet(ISheetSurface* surface, int fh, int x0, int y0, int selector);

    // Writes one sheet line at (x, y); with a non-zero alignment the surface's alignment is set
    // for this line and restored. With no surface the line is appended to m_strSheet + CR LF.
    void OutputLine(ISheetSurface* surface, int x, int y, const std::wstring& text, unsigned align);

    // The two figures of the sheet, drawn into the box (left, top, right, bottom) with the label
    // font height hF and the figure unit a, all in device units; the pressure figure draws the
    // bearing-pressure diagram p of the case's calculation.
    void DrawWallFigure(ISheetSurface* surface, int hF, int a, int left, int top, int right,
                        int bottom);
    void DrawPressureFigure(ISheetSurface* surface, int hF, int a, int left, int top, int right,
                            int bottom, const CBearingPressure& p);

    CSheetText m_strSheet; // sheet rendered as text; neither copied nor saved
    std::wstring m_strTitle = L"新規擁壁";
    double m_Fc = 21.0;
    double m_T1 = 0.20;
    double m_T2 = 0.25;
    double m_T3 = 0.05;
    double m_D1 = 0.20;
    double m_D2 = 0.20;
    double m_dReserve1 = 0.0;
    double m_H1 = 1.20;
    double m_H2 = 0.30;
    double m_dReserve2 = 0.0;
    double m_L1 = 0.30;
    double m_L2 = 0.90;
    double m_dReserve3 = 0.0;
    double m_dReserve4 = 0.0;
    double m_dtWall = 0.075;
    double m_dtBase = 0.075;
    std::wstring m_strBar[BAR_SLOTS] = {L"D10+D13", L"D13", L"D13", L"D13"};
    int m_nPitch[BAR_SLOTS] = {200, 200, 200, 200};
    double m_dBarSpare[BAR_SLOTS] = {295.0, 295.0, 295.0, 295.0};
    double m_phi = 0.5235987755983;
    double m_alpha = 0.0;
    double m_delta = 0.0;
    double m_deltaW = 0.0;
    double m_thetaW = 0.0;
    double m_dReserve5 = 0.0;
    double m_KA = 0.4;
    double m_mu = 0.45;
    double m_fe = 50.0;
    double m_dReserve6 = 100.0;
    double m_gammaC = 24.0;
    double m_gammaS = 18.0;
    double m_gammaSFront = 18.0;
    double m_q = 10.0;
    double m_qFront = 0.0;
    double m_qDeduct = 0.0;
    double m_P = 0.0;
    double m_M = 0.0;
    double m_dReserve7 = 0.0;
    double m_dReserve8 = 0.0;
    double m_dReserve9 = 0.2;
    double m_FsSlidingLimit = 1.5;
    double m_FsOverturnLimit = 1.5;
    double m_dReserve10 = 30.0;
    double m_dReserve11 = 0.0;
    int m_bPrint = 1;
    int m_bPhiInput = 1;
    int m_nReserve1 = 0;
    int m_nReserve2 = 0;
    int m_nReserve3 = 1;
    int m_nReserve4 = 1;
    int m_nReserve5 = 0;
    int m_bDeltaIsAlpha = 0;
    int m_bDeltaWTwoThirdsPhi = 1;
    int m_bThetaWAuto = 0;
    // Seismic checks: design horizontal coefficients of the moderate (kh1) and the large
    // (kh2) earthquake, a level being checked only while its coefficient is above 0; the
    // required overturning and sliding safety factors of the large earthquake; the ratio of
    // the ultimate bearing capacity to fe. Kept in a block of their own after the cases.
    double m_kh1 = 0.0;
    double m_kh2 = 0.0;
    double m_FoL = 1.0;
    double m_FsL = 1.0;
    double m_ru = 3.0;
};
