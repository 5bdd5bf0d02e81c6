#include "tools/layout.h"

#include "tools/field_units.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace velmaro::tools {
namespace {

bool InTable(const Tool& tool, const Field& field) {
    return !tool.columns.empty() && field.role == Role::Output;
}

// Rows are added once each, in the order asked for.
class Rows {
public:
    Rows(const Tool& tool, Faces face) : m_tool(tool), m_face(face) {}

    void Field(std::size_t field) {
        const tools::Field& f = m_tool.fields[field];
        if (OnFace(f.faces, m_face) && !InTable(m_tool, f)) {
            Add({Row::Kind::Field, field});
            if (!m_orderedUnits[field]) {
                Units(field);
            }
        }
    }
    void Units(std::size_t field) {
        if (HasUnitList(m_tool, field, m_face)) {
            Add({Row::Kind::Units, field});
        }
    }
    void Choice(std::size_t choice) {
        if (OnFace(m_tool.choices[choice].faces, m_face)) {
            Add({Row::Kind::Choice, choice});
        }
    }
    // A unit list the order places itself does not follow its field.
    void Ordered(std::size_t field) { m_orderedUnits[field] = true; }

    std::vector<Row> Take() { return std::move(m_rows); }

private:
    bool Placed(Row::Kind kind, std::size_t index) const {
        return std::any_of(m_rows.begin(), m_rows.end(),
                           [&](const Row& row) { return row.kind == kind && row.index == index; });
    }
    void Add(Row row) {
        if (!Placed(row.kind, row.index)) {
            m_rows.push_back(row);
        }
    }

    const Tool& m_tool;
    Faces m_face;
    std::vector<Row> m_rows;
    std::vector<bool> m_orderedUnits = std::vector<bool>(kMaxFields);
};

} // namespace

bool HasUnitList(const Tool& tool, std::size_t field, Faces face) {
    const Field& f = tool.fields[field];
    return &UnitOwner(tool, f) == &f && OnFace(f.unitFaces, face) &&
           OfferedUnits(tool, f).size() > 1;
}

std::vector<Row> Layout(const Tool& tool, Faces face) {
    Rows rows(tool, face);
    std::vector<Row> laid;
    const auto modes = std::count_if(tool.modes.begin(), tool.modes.end(),
                                     [face](const Mode& mode) { return OnFace(mode.faces, face); });
    if (modes > 1) {
        laid.push_back({Row::Kind::Modes, 0});
    }
    for (const std::string_view id : tool.order) {
        if (const std::string_view unitOf = UnitListField(id); !unitOf.empty()) {
            if (const auto field = FieldIndex(tool, unitOf)) {
                rows.Ordered(*field);
            }
        }
    }
    for (const std::string_view id : tool.order) {
        if (const std::string_view unitOf = UnitListField(id); !unitOf.empty()) {
            if (const auto field = FieldIndex(tool, unitOf)) {
                rows.Units(*field);
            }
        } else if (const auto field = FieldIndex(tool, id)) {
            rows.Field(*field);
        } else if (const auto choice = ChoiceIndex(tool, id)) {
            rows.Choice(*choice);
        }
    }
    // What the order leaves out, or everything when there is none: each field
    // with the lists that follow it, then the other lists.
    for (std::size_t field = 0; field < tool.fields.size(); ++field) {
        rows.Field(field);
        for (std::size_t choice = 0; choice < tool.choices.size(); ++choice) {
            if (tool.choices[choice].follows == tool.fields[field].id) {
                rows.Choice(choice);
            }
        }
    }
    for (std::size_t choice = 0; choice < tool.choices.size(); ++choice) {
        rows.Choice(choice);
    }
    const std::vector<Row> rest = rows.Take();
    laid.insert(laid.end(), rest.begin(), rest.end());
    return laid;
}

std::vector<std::size_t> ResultRows(const Tool& tool) {
    std::vector<std::size_t> rows;
    for (std::size_t field = 0; field < tool.fields.size(); ++field) {
        if (InTable(tool, tool.fields[field])) {
            rows.push_back(field);
        }
    }
    return rows;
}

std::size_t ColumnCount(const Tool& tool, Faces face) {
    std::size_t count = 1;
    for (const Mode& mode : tool.modes) {
        if (OnFace(mode.faces, face)) {
            count = std::max(count, mode.columns.size());
        }
    }
    return count;
}

} // namespace velmaro::tools
