#pragma once

// The rows a face lays a tool's inputs out in, one control a row: the mode
// list, a field, a field's unit list, a list. The windows and the page lay a
// tool out in this order and tab through it.

#include "tools/tool.h"

#include <cstddef>
#include <vector>

namespace velmaro::tools {

struct Row {
    enum class Kind { Modes, Field, Units, Choice };
    Kind kind = Kind::Field;
    std::size_t index = 0; // the field's or the list's position; 0 for the modes
};

// The tool's rows on `face`: the mode list (when the face offers more than
// one mode), then Tool::order or, without one, each field with its unit list
// and the lists that follow it, then the other lists. Fields and lists the
// face does not show are left out, and so are the outputs of a tool with
// result columns: they are the rows of its results table (ResultRows). A
// unit list is a row where the face offers a choice of units; one the order
// does not place follows its field.
std::vector<Row> Layout(const Tool& tool, Faces face);

// The fields a tool with result columns shows as the rows of its results
// table, in their order; none for a tool without columns.
std::vector<std::size_t> ResultRows(const Tool& tool);

// The most result columns a mode of `face` fills; 1 for a tool without modes.
std::size_t ColumnCount(const Tool& tool, Faces face);

// Whether `field` offers `face` a list of units of its own.
bool HasUnitList(const Tool& tool, std::size_t field, Faces face);

} // namespace velmaro::tools
