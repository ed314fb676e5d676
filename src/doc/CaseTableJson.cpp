#include "doc/CaseTableWriters.h"

#include "model/TextCodec.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char ch : utf8) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", ch);
            out += escape;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out + "\"";
}

std::string JsonString(const std::wstring& text) {
    return JsonString(EncodeUtf8(text));
}

// The members of one JSON object, written in order.
class JsonObject {
public:
    void Raw(const std::string& key, const std::string& json) {
        m_out += (m_out.empty() ? "" : ",") + JsonString(key) + ":" + json;
    }
    void Text(const std::string& key, const std::wstring& text) { Raw(key, JsonString(text)); }
    void Bool(const std::string& key, bool value) { Raw(key, value ? "true" : "false"); }
    // The shortest decimal form that reads back to the same double.
    void Number(const std::string& key, double value) {
        if (std::isfinite(value)) {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
            Raw(key, std::string(buffer, result.ptr));
            return;
        }
        Raw(key, "null");
        Raw(key + "_nonfinite", JsonString(std::string(std::isnan(value) ? "nan"
                                                       : value > 0       ? "inf"
                                                                         : "-inf")));
    }
    std::string Close() const { return "{" + m_out + "}"; }

private:
    std::string m_out;
};

#define NUMBER(object, source, field) object.Number(#field, source.field)

std::string MemberObject(const CMemberResult& m) {
    JsonObject o;
    NUMBER(o, m, M);
    NUMBER(o, m, Q);
    NUMBER(o, m, D);
    NUMBER(o, m, d);
    NUMBER(o, m, j);
    NUMBER(o, m, a);
    NUMBER(o, m, ft);
    NUMBER(o, m, at);
    NUMBER(o, m, at_p);
    NUMBER(o, m, pt);
    NUMBER(o, m, Ptb);
    NUMBER(o, m, tau);
    NUMBER(o, m, rho);
    return o.Close();
}

const char* ShapeName(SlabPressure shape) {
    switch (shape) {
    case SlabPressure::Trapezoid:
        return "trapezoid";
    case SlabPressure::TriangleAtFreeEnd:
        return "triangleAtFreeEnd";
    case SlabPressure::TriangleAtStem:
        break;
    }
    return "triangleAtStem";
}

const char* BranchName(BearingBranch branch) {
    switch (branch) {
    case BearingBranch::MiddleThird:
        return "middleThird";
    case BearingBranch::ToeSide:
        return "toeSide";
    case BearingBranch::HeelSide:
        break;
    }
    return "heelSide";
}

std::string SlabLoadObject(const CSlabLoad& load) {
    JsonObject o;
    o.Raw("shape", JsonString(std::string(ShapeName(load.shape))));
    NUMBER(o, load, qEnd);
    NUMBER(o, load, qFace);
    NUMBER(o, load, length);
    return o.Close();
}

std::string BearingObject(const CBearingPressure& p) {
    JsonObject o;
    o.Raw("branch", JsonString(std::string(BranchName(p.branch))));
    NUMBER(o, p, B);
    NUMBER(o, p, d);
    NUMBER(o, p, qm);
    NUMBER(o, p, e);
    NUMBER(o, p, eB);
    NUMBER(o, p, Xn);
    NUMBER(o, p, x0);
    NUMBER(o, p, alphaL);
    NUMBER(o, p, alphaR);
    NUMBER(o, p, qL);
    NUMBER(o, p, qR);
    NUMBER(o, p, q1);
    NUMBER(o, p, q2);
    NUMBER(o, p, qR0);
    NUMBER(o, p, qmax);
    return o.Close();
}

std::string SeismicMemberObject(const CSeismicMember& m) {
    JsonObject o;
    o.Raw("design", MemberObject(m.m));
    o.Bool("valid", m.valid);
    o.Bool("barUsable", m.barUsable);
    return o.Close();
}

std::string SeismicObject(const CSeismicResult& s) {
    JsonObject o;
    o.Bool("checked", s.checked);
    NUMBER(o, s, kh);
    NUMBER(o, s, theta0);
    o.Bool("bounded", s.bounded);
    NUMBER(o, s, deltaWE);
    NUMBER(o, s, KEA);
    NUMBER(o, s, KEAw);
    NUMBER(o, s, PAE);
    NUMBER(o, s, PAEh);
    NUMBER(o, s, PAEv);
    NUMBER(o, s, dPAE);
    NUMBER(o, s, dPAEh);
    NUMBER(o, s, dPAEv);
    NUMBER(o, s, Ws);
    NUMBER(o, s, ys);
    NUMBER(o, s, yP);
    NUMBER(o, s, A2);
    NUMBER(o, s, A2y);
    NUMBER(o, s, y2);
    NUMBER(o, s, A3);
    NUMBER(o, s, A3y);
    NUMBER(o, s, y3);
    NUMBER(o, s, W3s);
    NUMBER(o, s, HE);
    NUMBER(o, s, MHE);
    NUMBER(o, s, W5E);
    NUMBER(o, s, SWE);
    NUMBER(o, s, MoE);
    NUMBER(o, s, MrE);
    NUMBER(o, s, FoE);
    NUMBER(o, s, RHE);
    NUMBER(o, s, SPE);
    NUMBER(o, s, FsE);
    o.Raw("bearing", BearingObject(s.bearing));
    NUMBER(o, s, qu);
    NUMBER(o, s, fc);
    NUMBER(o, s, fs);
    NUMBER(o, s, cw);
    NUMBER(o, s, P1E);
    NUMBER(o, s, P2E);
    o.Raw("wall", SeismicMemberObject(s.wall));
    o.Raw("toeLoad", SlabLoadObject(s.toeLoad));
    o.Raw("toe", SeismicMemberObject(s.toe));
    NUMBER(o, s, Lh);
    o.Raw("heelLoad", SlabLoadObject(s.heelLoad));
    o.Raw("heel", SeismicMemberObject(s.heel));
    o.Bool("overturnOK", s.overturnOK);
    o.Bool("slidingOK", s.slidingOK);
    o.Bool("bearingOK", s.bearingOK);
    return o.Close();
}

// Every value of the calculation, named as in the design result.
std::string ResultObject(const CDesignResult& r) {
    JsonObject o;
    NUMBER(o, r, KA);
    NUMBER(o, r, KAw);
    NUMBER(o, r, dh);
    NUMBER(o, r, H);
    NUMBER(o, r, Hs);
    NUMBER(o, r, B);
    NUMBER(o, r, b);
    NUMBER(o, r, PA);
    NUMBER(o, r, Ph);
    NUMBER(o, r, Pv);
    NUMBER(o, r, dPA);
    NUMBER(o, r, dPh);
    NUMBER(o, r, dPv);
    NUMBER(o, r, A31);
    NUMBER(o, r, A32);
    NUMBER(o, r, A33);
    NUMBER(o, r, A34);
    NUMBER(o, r, A41);
    NUMBER(o, r, A42);
    NUMBER(o, r, A43);
    NUMBER(o, r, bf);
    NUMBER(o, r, W1);
    NUMBER(o, r, x1);
    NUMBER(o, r, W2);
    NUMBER(o, r, x2);
    NUMBER(o, r, W3);
    NUMBER(o, r, x3);
    NUMBER(o, r, W4);
    NUMBER(o, r, x4);
    NUMBER(o, r, W5);
    NUMBER(o, r, SW);
    NUMBER(o, r, Mo);
    NUMBER(o, r, Mr);
    NUMBER(o, r, Fo);
    NUMBER(o, r, RH);
    NUMBER(o, r, SP);
    NUMBER(o, r, Fs);
    o.Raw("bearing", BearingObject(r.bearing));
    NUMBER(o, r, n);
    NUMBER(o, r, fc);
    NUMBER(o, r, fs);
    NUMBER(o, r, gamma);
    NUMBER(o, r, P1);
    NUMBER(o, r, P2);
    o.Raw("wall", MemberObject(r.wall));
    NUMBER(o, r, Wt);
    NUMBER(o, r, xt);
    o.Raw("toeLoad", SlabLoadObject(r.toeLoad));
    o.Raw("toe", MemberObject(r.toe));
    NUMBER(o, r, Wh);
    NUMBER(o, r, xh);
    NUMBER(o, r, Lh);
    o.Raw("heelLoad", SlabLoadObject(r.heelLoad));
    o.Raw("heel", MemberObject(r.heel));
    o.Bool("overturnOK", r.overturnOK);
    o.Bool("slidingOK", r.slidingOK);
    o.Bool("toeBearingOK", r.toeBearingOK);
    o.Bool("heelBearingOK", r.heelBearingOK);
    o.Bool("bearingOK", r.bearingOK);
    o.Bool("overturnFailure", r.overturnFailure);
    o.Bool("seismicAsked", r.seismicAsked);
    o.Raw("moderate", SeismicObject(r.moderate));
    o.Raw("large", SeismicObject(r.large));
    return o.Close();
}

#undef NUMBER

std::string RowObject(const CCaseTable& table, const CTableRow& row) {
    JsonObject o;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const CTableColumn& column = table.columns[i];
        const CTableCell& cell = row.cells[i];
        if (cell.empty)
            o.Raw(column.key, "null");
        else if (column.kind == CellKind::Number)
            o.Number(column.key, cell.value);
        else
            o.Text(column.key, cell.text);
    }
    o.Raw("result", ResultObject(row.result));
    return o.Close();
}

} // namespace

std::string CaseTableJson(const CCaseTable& table) {
    std::string out = "[";
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        out += (i == 0 ? "\n" : ",\n") + RowObject(table, table.rows[i]);
    return out + "\n]\n";
}
