// Writes the page's index.html and its manifest at build time from their
// skeletons in web/page: index.html with the panels, their fields, labels and
// titles, the category sections and the sensor type lists filled in from the
// catalogue and the program's texts (src/res/texts), the manifest with the
// page's name. The page's own files hold no quantity, unit, title or sensor
// text, so the page shows what the windows show and the fields are there
// before the core has loaded.
//
// Usage: page_generator <skeleton folder> <output folder>
// Built with the page's compiler and run under Node.js by web/CMakeLists.txt;
// a native development build compiles it too, for the lint.
//
// Adding a panel, e.g. "水和水蒸气" (instrument_panel.cpp and instruments.js
// are one to follow):
//   1. Its words are texts by id in src/res/texts (a tool window's in
//      chinese_tool_texts.h, "steam.title", ...): the page takes every word
//      from there, never from its own files (scripts/check-layers.py fails
//      on a Chinese text or a unit of the program in web/page).
//   2. A writer `void WriteSteamPanel(PageHtml& html)`, declared in panels.h,
//      in a file of its own here (steam_panel.cpp, listed in this folder's
//      CMakeLists.txt). It opens `<section class="panel" id="steam-panel"
//      aria-labelledby="steam-title">`, calls html.JumpTarget("steam-panel",
//      "steam.title") for the phone's jump link, and writes its titles with
//      html.TextOf(id), its fields with html.Field(id, accessible name,
//      label), lists, tables and other controls with html << markup, their
//      first values included. Names, labels and options are texts by id; ids
//      and classes are the page's own. A box `.fields[data-quantity="…"]`
//      is a quantity's group of unit fields (html.UnitFields), which app.js
//      converts: a panel's own fields stay out of such a box.
//   3. A row in kPanels below: the writer and the panel's script
//      (web/page/steam.js), which the page runs once it has been read. Its
//      place in kPanels is its place on the page and among the jump links.
//   4. The script finds its fields by id and listens at once, and computes
//      once the core is there, what was typed before included. The core may
//      load before or after the script starts: window.velmaro ({core,
//      module, timing}) is set once it has, and app.js then fires the event
//      "velmaro-core" on document. core.call(exported name, lines) calls
//      an exported function of one text; the panel's exported functions go
//      into velmaro_core_web's EXPORTED_FUNCTIONS in web/CMakeLists.txt.

#include "page_html.h"
#include "panels.h"

#include <cstddef>
#include <fstream>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

namespace velmaro::web {
namespace {

struct Panel {
    void (*write)(PageHtml& html);
    std::string_view script; // the panel's own script beside app.js, or empty
};

// In their order on the page.
constexpr Panel kPanels[] = {
    {WritePressurePanel, {}},      {WriteTemperaturePanel, {}},
    {WriteFlowPanel, {}},          {WriteInstrumentPanel, "instruments.js"},
    {WriteSteamPanel, "steam.js"}, {WriteCategories, {}},
};

// The phone's jump links to every panel that asked for one.
void WriteJumpLinks(PageHtml& html, const PageHtml& panels) {
    html << R"(<nav class="jump" aria-label=")";
    html.TextOf("page.jump") << "\">";
    for (const auto& [id, title] : panels.JumpTargets()) {
        html << "<a href=\"#" << id << "\">";
        html.Escaped(title) << "</a>";
    }
    html << "</nav>";
}

void WriteScripts(PageHtml& html) {
    // app.js runs before the body is read, as the style arrives, so that its
    // listeners serve every field from its first paint on.
    html << "<script src=\"app.js\"></script>";
    for (const Panel& panel : kPanels) {
        if (!panel.script.empty()) {
            html << "\n<script defer src=\"" << panel.script << "\"></script>";
        }
    }
}

// Replaces the skeleton's one mark `<!--page:NAME-->` with `markup`.
void Fill(std::string& page, std::string_view name, std::string_view markup, PageHtml& problems) {
    const std::string mark = "<!--page:" + std::string(name) + "-->";
    const std::size_t at = page.find(mark);
    if (at == std::string::npos || page.find(mark, at + 1) != std::string::npos) {
        problems.Problem("a skeleton has not exactly one " + mark);
        return;
    }
    page.replace(at, mark.size(), markup);
}

// `text` inside a JSON string: the manifest's texts hold no control
// characters, so quotes and backslashes are all there is to escape.
std::string JsonEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

bool Read(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "page_generator: cannot read " << path << "\n";
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(file), {});
    return true;
}

bool Write(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::cerr << "page_generator: cannot write " << path << "\n";
    }
    return static_cast<bool>(file);
}

int Generate(const std::string& from, const std::string& to) {
    std::string page;
    std::string manifest;
    if (!Read(from + "/index.html", page) || !Read(from + "/manifest.webmanifest", manifest)) {
        return 1;
    }

    PageHtml panels;
    for (const Panel& panel : kPanels) {
        panel.write(panels);
    }
    PageHtml parts;
    PageHtml jump;
    WriteJumpLinks(jump, panels);
    PageHtml scripts;
    WriteScripts(scripts);
    PageHtml texts;
    const std::string_view title = texts.Text("page.title");
    Fill(page, "title", PageHtml().Escaped(title).Markup(), parts);
    Fill(page, "heading", PageHtml().Escaped(title).Markup(), parts);
    Fill(page, "jump", jump.Markup(), parts);
    Fill(page, "panels", panels.Markup(), parts);
    Fill(page, "noscript", PageHtml().Escaped(texts.Text("page.noscript")).Markup(), parts);
    Fill(page, "scripts", scripts.Markup(), parts);
    Fill(manifest, "title", JsonEscaped(title), parts);
    Fill(manifest, "description", JsonEscaped(texts.Text("page.description")), parts);

    bool failed = false;
    for (const PageHtml* html : {&panels, &parts, &jump, &scripts, &texts}) {
        for (const std::string& problem : html->Problems()) {
            std::cerr << "page_generator: " << problem << "\n";
            failed = true;
        }
    }
    if (failed || !Write(to + "/index.html", page) ||
        !Write(to + "/manifest.webmanifest", manifest)) {
        return 1;
    }
    return 0;
}

} // namespace
} // namespace velmaro::web

int main(int argc, char** argv) {
    const std::span<char*> arguments(argv, static_cast<std::size_t>(argc));
    if (arguments.size() != 3) {
        std::cerr << "usage: page_generator <skeleton folder> <output folder>\n";
        return 2;
    }
    return velmaro::web::Generate(arguments[1], arguments[2]);
}
