// Writes the page's index.html and its manifest at build time from their
// skeletons in web/page: index.html with the panels, their fields, labels and
// titles, the category sections and the sensor type lists filled in from the
// catalogue and the program's texts (src/res/texts), the manifest with the
// page's name. The page's own files hold no quantity, unit, title or sensor
// text, so the page shows what the windows show and the fields are there
// before the core has loaded.
//
// Usage: page_generator <skeleton folder> <output folder>
// writes index.html and manifest.webmanifest in Chinese into the output
// folder and in English into its folder en/ (which must exist): each page
// links to the other, and both share the scripts, the style, the core and the
// service worker at the root.
// Built with the page's compiler and run under Node.js by web/CMakeLists.txt;
// a native development build compiles it too, for the lint.
//
// A tool (src/tools) needs nothing here: its panel is written from its
// declaration (tool_panels.cpp), and web/page/tools.js drives every tool's
// panel through the core's one call for tools, velmaro_tool. Its words are
// texts by id in src/res/texts, as everywhere on the page
// (scripts/check-layers.py fails on a Chinese text or a unit of the program
// in web/page).
//
// Adding another panel:
//   1. Its words are texts by id in src/res/texts.
//   2. A writer `void WriteXPanel(PageHtml& html)`, declared in panels.h, in
//      a file of its own here (listed in this folder's CMakeLists.txt). It opens
//      `<section class="panel" id="x-panel" aria-labelledby="x-title">`,
//      calls html.JumpTarget("x-panel", title text id) for the phone's jump
//      link, and writes its titles with html.TextOf(id), its fields with
//      html.Field(id, accessible name, label), other controls with
//      html << markup. Every text comes through html.Text(id), the one place
//      that knows the page's language. A box `.fields[data-quantity="…"]`
//      is a quantity's group of unit fields (html.UnitFields), which app.js
//      converts: a panel's own fields stay out of such a box.
//   3. A row in kPanels below: the writer and the panel's script, if it has
//      one, which the page runs once it has been read. Its place in kPanels
//      is its place on the page and among the jump links.
//   4. The script finds its fields and listens at once, and computes once
//      the core is there, what was typed before included: window.velmaro
//      ({core, module, timing}) is set once it has, and app.js then fires
//      the event "velmaro-core" on document. The panel's exported functions
//      go into velmaro_core_web's EXPORTED_FUNCTIONS in web/CMakeLists.txt.

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
    {WritePressurePanel, {}},      {WriteTemperaturePanel, {}}, {WriteFlowPanel, {}},
    {WriteToolPanels, "tools.js"}, {WriteCategories, {}},
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

void WriteScripts(PageHtml& html, std::string_view root) {
    // app.js runs before the body is read, as the style arrives, so that its
    // listeners serve every field from its first paint on.
    html << "<script src=\"" << root << "app.js\"></script>";
    for (const Panel& panel : kPanels) {
        if (!panel.script.empty()) {
            html << "\n<script defer src=\"" << root << panel.script << "\"></script>";
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

// The page in each language: the folder it is written to beneath the site's
// root ("" or "en/"), the way from it to the root ("./" or "../"), and its
// lang.
struct PageLanguage {
    texts::Language language;
    std::string_view folder;
    std::string_view root;
    std::string_view htmlLang;
};

constexpr PageLanguage kPageLanguages[] = {
    {texts::Language::Chinese, "", "./", "zh-CN"},
    {texts::Language::English, "en/", "../", "en"},
};

// Links to the page in every other language, each named in its own
// language (page.language: "English" on the Chinese page).
void WriteLanguageLinks(PageHtml& html, const PageLanguage& page) {
    for (const PageLanguage& other : kPageLanguages) {
        if (other.language != page.language) {
            html << R"(<a class="language" href=")" << page.root << other.folder
                 << R"(" hreflang=")" << other.htmlLang << R"(" lang=")" << other.htmlLang << "\">";
            PageHtml name(other.language);
            html.Escaped(name.Text("page.language")) << "</a>";
            for (const std::string& problem : name.Problems()) {
                html.Problem(problem);
            }
        }
    }
}

// Replaces every `<!--page:root-->` of a skeleton, the way to the site's
// root that precedes a shared file's name.
void FillRoot(std::string& page, std::string_view root) {
    const std::string mark = "<!--page:root-->";
    for (std::size_t at = page.find(mark); at != std::string::npos; at = page.find(mark, at)) {
        page.replace(at, mark.size(), root);
        at += root.size();
    }
}

int Generate(const std::string& from, const std::string& to, const PageLanguage& language) {
    std::string page;
    std::string manifest;
    if (!Read(from + "/index.html", page) || !Read(from + "/manifest.webmanifest", manifest)) {
        return 1;
    }

    PageHtml panels(language.language);
    for (const Panel& panel : kPanels) {
        panel.write(panels);
    }
    PageHtml parts(language.language);
    PageHtml jump(language.language);
    WriteJumpLinks(jump, panels);
    PageHtml scripts(language.language);
    WriteScripts(scripts, language.root);
    PageHtml languages(language.language);
    WriteLanguageLinks(languages, language);
    PageHtml texts(language.language);
    const std::string_view title = texts.Text("page.title");
    Fill(page, "lang", language.htmlLang, parts);
    Fill(page, "title", PageHtml().Escaped(title).Markup(), parts);
    Fill(page, "heading", PageHtml().Escaped(title).Markup(), parts);
    Fill(page, "languages", languages.Markup(), parts);
    Fill(page, "jump", jump.Markup(), parts);
    Fill(page, "panels", panels.Markup(), parts);
    Fill(page, "noscript", PageHtml().Escaped(texts.Text("page.noscript")).Markup(), parts);
    Fill(page, "scripts", scripts.Markup(), parts);
    FillRoot(page, language.root);
    Fill(manifest, "lang", language.htmlLang, parts);
    Fill(manifest, "title", JsonEscaped(title), parts);
    Fill(manifest, "description", JsonEscaped(texts.Text("page.description")), parts);
    FillRoot(manifest, language.root);

    bool failed = false;
    for (const PageHtml* html : {&panels, &parts, &jump, &scripts, &languages, &texts}) {
        for (const std::string& problem : html->Problems()) {
            std::cerr << "page_generator: " << problem << "\n";
            failed = true;
        }
    }
    const std::string folder = to + "/" + std::string(language.folder);
    if (failed || !Write(folder + "index.html", page) ||
        !Write(folder + "manifest.webmanifest", manifest)) {
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
    for (const velmaro::web::PageLanguage& language : velmaro::web::kPageLanguages) {
        if (velmaro::web::Generate(arguments[1], arguments[2], language) != 0) {
            return 1;
        }
    }
    return 0;
}
