// The program's texts in Simplified Chinese (UTF-8), by text id, exactly as
// the windows show them (the unit labels with the blanks that line up the main
// window's labels). english_texts.cpp has the same ids.

#include "flow/flow_fault.h"
#include "flow/limits.h"
#include "instruments/instrument_fault.h"
#include "res/texts/chinese_tool_texts.h"
#include "res/texts/texts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

namespace velmaro::texts {
namespace {

// clang-format off
constexpr Text kChinese[] = {
    // The sensor panel: the output field's caption and unit per family, the
    // verdict for a value out of range (and its message box's caption), and
    // the sensor type list.
    {"sensor.emf", "电势"},
    {"sensor.emf.unit", " mV (毫伏)"},
    {"sensor.resistance", "电阻"},
    {"sensor.resistance.unit", " Ω(欧姆)"},
    {"sensor.out-of-range", "超出范围"},
    {"sensor.out-of-range.caption", "ERRO"},
    {"sensor.type.S", "(S型)铂铑10-铂热电偶"},
    {"sensor.type.R", "(R型)铂铑13-铂热电偶"},
    {"sensor.type.B", "(B型)铂铑30-铂铑6热电偶"},
    {"sensor.type.K", "(K型)镍铬-镍硅热电偶"},
    {"sensor.type.N", "(N型)镍铬硅-镍硅热电偶"},
    {"sensor.type.E", "(E型)镍铬硅-铜镍合金(康铜)热电偶"},
    {"sensor.type.J", "(J型)铁-铜镍合金(康铜)热电偶"},
    {"sensor.type.T", "(T型)铜-铜镍合金(康铜)热电偶"},
    // The list calls the copper sensors "铂热电阻" like the platinum ones;
    // that is the text users know.
    {"sensor.type.Pt100", "Pt100铂热电阻"},
    {"sensor.type.Pt10", "Pt10铂热电阻"},
    {"sensor.type.Cu100", "Cu100铂热电阻"},
    {"sensor.type.Cu50", "Cu50铂热电阻"},
    {"sensor.type.Pt1000", "Pt1000铂热电阻"},
    {"sensor.type.Pt500", "Pt500铂热电阻"},
    // Quantities: the short names, which the category buttons show.
    {"quantity.pressure", "压力"},
    {"quantity.mass-flow", "质量流量"},
    {"quantity.volume-flow", "体积流量"},
    {"quantity.temperature", "温度"},
    {"quantity.length", "长度"},
    {"quantity.area", "面积"},
    {"quantity.volume", "体积"},
    {"quantity.capacity", "容积"},
    {"quantity.mass", "质量"},
    {"quantity.force", "力"},
    {"quantity.speed", "速度"},
    {"quantity.density", "密度"},
    {"quantity.energy", "能量"},
    {"quantity.power", "功率"},
    {"quantity.heat-flux", "传热速度"},
    {"quantity.heat-transfer-coefficient", "传热系数"},
    {"quantity.thermal-conductivity", "导热系数"},
    {"quantity.dynamic-viscosity", "动力粘度"},
    {"quantity.kinematic-viscosity", "运动粘度"},
    {"quantity.diffusion", "扩散系数"},
    {"quantity.surface-tension", "表面张力"},
    // pressure
    {"unit.pressure.Pa", "Pa     (帕)"},
    {"unit.pressure.Torr", "Torr   (托)"},
    {"unit.pressure.bar", "bar    (巴)"},
    {"unit.pressure.psi", "psi    (磅)"},
    {"unit.pressure.mbar", "mba    (毫巴)"},
    {"unit.pressure.MPa", "MPa    (兆帕)"},
    {"unit.pressure.kPa", "kPa    (千帕)"},
    {"unit.pressure.mmHg", "mmHg   (毫米汞柱)"},
    {"unit.pressure.mmH2O", "mmH2O  (毫米水柱)"},
    {"unit.pressure.inHg", "inHg   (英寸汞柱)"},
    {"unit.pressure.inH2O", "inH2O  (英寸水柱)"},
    {"unit.pressure.atm", "atm    (标准大气压)"},
    {"unit.pressure.lb/ft2", "lb/ft2 (磅每平方英尺)"},
    {"unit.pressure.kg/cm2", "kg/cm2 (公斤每立方厘米)"},
    // mass-flow
    {"unit.mass-flow.kg/h", "kg/h (千克每时)"},
    {"unit.mass-flow.kg/s", "kg/s (千克每秒)"},
    {"unit.mass-flow.t/h", "t/h （吨每时）"},
    {"unit.mass-flow.t/d", "t/d （吨每日）"},
    {"unit.mass-flow.t/a", "t/a （吨每年）"},
    {"unit.mass-flow.lb/s", "lb/s (磅每秒)"},
    {"unit.mass-flow.lb/h", "lb/h (磅每时)"},
    {"unit.mass-flow.lb/d", "lb/d (磅每日)"},
    // volume-flow
    {"unit.volume-flow.l/min", "l/min  （升每分）"},
    {"unit.volume-flow.l/s", "l/s    （升每秒）"},
    {"unit.volume-flow.bbl/d", "bbl/d  （桶每日）"},
    {"unit.volume-flow.m3/h", "m3/h   （立方米每时）"},
    {"unit.volume-flow.m3/min", "m3/min （立方米每分）"},
    {"unit.volume-flow.m3/s", "m3/s   （立方米每秒）"},
    {"unit.volume-flow.ft3/min", "ft3/min（立方英尺每分）"},
    {"unit.volume-flow.ft3/s", "ft3/s  （立方英尺每秒）"},
    {"unit.volume-flow.gal(US)/min", "gal(US)/min(加仑(美)每分)"},
    {"unit.volume-flow.gal(UK)/min", "gal(UK)/min(加仑(英)每分)"},
    // temperature
    {"unit.temperature.°C", "°C (摄氏度)"},
    {"unit.temperature.°F", "°F (华氏度)"},
    {"unit.temperature.K", "  K (开尔文)"},
    {"unit.temperature.R", "  R (兰氏度)"},
    // length
    {"unit.length.km", "km"},
    {"unit.length.m", "m"},
    {"unit.length.dm", "dm"},
    {"unit.length.cm", "cm"},
    {"unit.length.mm", "mm"},
    {"unit.length.μm", "μm"},
    {"unit.length.in", "in"},
    {"unit.length.ft", "ft"},
    {"unit.length.yd", "yd"},
    {"unit.length.mile", "mile"},
    {"unit.length.n mile", "n mile"},
    {"unit.length.lb", "lb"},
    // area
    {"unit.area.km2", "km2"},
    {"unit.area.hm2", "hm2"},
    {"unit.area.m2", "m2"},
    {"unit.area.dm2", "dm2"},
    {"unit.area.cm2", "cm2"},
    {"unit.area.mm2", "mm2"},
    {"unit.area.in2", "in2"},
    {"unit.area.ft2", "ft2"},
    {"unit.area.yd2", "yd2"},
    {"unit.area.acre", "Acer"},
    {"unit.area.chi2", "市尺2"},
    {"unit.area.mu", "市亩"},
    // volume
    {"unit.volume.m3", "m3"},
    {"unit.volume.dm3", "dm3"},
    {"unit.volume.cm3", "cm3"},
    {"unit.volume.mm3", "mm3"},
    {"unit.volume.in3", "in3"},
    {"unit.volume.ft3", "ft3"},
    {"unit.volume.yd3", "yd3"},
    {"unit.volume.chi3", "市尺3"},
    // capacity
    {"unit.capacity.m3", "m3"},
    {"unit.capacity.kL", "kl,kL"},
    {"unit.capacity.l", "I,L"},
    {"unit.capacity.ml", "ml"},
    {"unit.capacity.in3", "in3"},
    {"unit.capacity.ft3", "ft3"},
    {"unit.capacity.gal(US)", "gal(US)"},
    {"unit.capacity.gal(UK)", "gal(Uk)"},
    {"unit.capacity.bbl(US)", "bbl(US)"},
    {"unit.capacity.bbl(UK)", "bbl(UK)"},
    // mass
    {"unit.mass.t", "t"},
    {"unit.mass.Mg", "Mg"},
    {"unit.mass.kg", "Kg"},
    {"unit.mass.g", "g"},
    {"unit.mass.mg", "mg"},
    {"unit.mass.μg", "μg"},
    {"unit.mass.gr", "gr"},
    {"unit.mass.oz", "oz"},
    {"unit.mass.lb", "lb"},
    {"unit.mass.short t(US)", "short t(US)"},
    {"unit.mass.long t(UK)", "long t(UK)"},
    {"unit.mass.jin", "市斤"},
    // force
    {"unit.force.kgf", "kgf"},
    {"unit.force.g", "g"},
    {"unit.force.kN", "kN"},
    {"unit.force.N", "N"},
    {"unit.force.dyn", "dyn"},
    {"unit.force.gr", "gr"},
    {"unit.force.pdl", "pdl"},
    {"unit.force.lb", "lb"},
    {"unit.force.short t(US)", "short t(US)"},
    {"unit.force.long t(UK)", "long t(UK)"},
    // speed
    {"unit.speed.m/s", "m/s"},
    {"unit.speed.m/min", "m/min"},
    {"unit.speed.m/h", "m/h"},
    {"unit.speed.km/h", "km/h"},
    {"unit.speed.ft/s", "ft/s"},
    {"unit.speed.ft/min", "ft/min"},
    {"unit.speed.yd/s", "yd/s"},
    {"unit.speed.mile/h", "mile/h"},
    {"unit.speed.n mile/h", "n mile/h"},
    {"unit.speed.kn", "kn"},
    // density
    {"unit.density.kg/m3", "kg/m3"},
    {"unit.density.kg/dm3", "kg/dm3"},
    {"unit.density.g/ml", "g/ml"},
    {"unit.density.g/cm3", "g/cm3"},
    {"unit.density.g/m3", "g/m3"},
    {"unit.density.Mg/m3", "Mg/m3"},
    {"unit.density.t/m3", "t/m3"},
    {"unit.density.lb/in3", "lb/in3"},
    {"unit.density.lb/ft3", "lb/ft3"},
    {"unit.density.lb/gal[US]", "lb/gal[US]"},
    {"unit.density.lb/gal[UK]", "lb/gal[UK]"},
    {"unit.density.t[UK]/yd3", "t[UK]/yd3"},
    // energy
    {"unit.energy.mJ", "mJ"},
    {"unit.energy.J", "J"},
    {"unit.energy.kJ", "kJ"},
    {"unit.energy.MJ", "MJ"},
    {"unit.energy.kcal", "kcal"},
    {"unit.energy.BTU", "BTU"},
    {"unit.energy.kWh", "Kw.h"},
    {"unit.energy.Hp.h", "Hp.h"},
    {"unit.energy.kg.m", "kg.m"},
    {"unit.energy.ft.lb", "ft.lb"},
    {"unit.energy.l.atm", "I.atm"},
    {"unit.energy.ft.pdl", "ft.pdl"},
    // power
    {"unit.power.mW", "mW"},
    {"unit.power.W", "W"},
    {"unit.power.kW", "kW"},
    {"unit.power.MW", "MW"},
    {"unit.power.kg.m/s", "kg.m/s"},
    {"unit.power.kcal/h", "kcal/h"},
    {"unit.power.ft.lb/s", "ft.lb/s"},
    {"unit.power.HP", "HP"},
    {"unit.power.BTU/min", "BTU/min"},
    {"unit.power.BTU/h", "BTU/h"},
    {"unit.power.erg/s", "erg/s"},
    {"unit.power.J/s", "J/s"},
    // heat-flux
    {"unit.heat-flux.W/cm2", "W/(cm2)"},
    {"unit.heat-flux.kW/m2", "kW/(m2)"},
    {"unit.heat-flux.cal/(cm2.s)", "cal/(cm2.s)"},
    {"unit.heat-flux.cal/(cm2.h)", "cal/(cm2.h)"},
    {"unit.heat-flux.kcal/(m2.s)", "kcal/(m2.s)"},
    {"unit.heat-flux.kcal/(m2.h)", "kcal/(m2.h)"},
    {"unit.heat-flux.BTU/(ft2.s)", "BTU/(ft2.s)"},
    {"unit.heat-flux.BTU/(ft2.h)", "BTU/(ft2.h)"},
    // heat-transfer-coefficient
    {"unit.heat-transfer-coefficient.W/(m2.K)", "W/(m2.℃)"},
    {"unit.heat-transfer-coefficient.W/(cm2.K)", "W/(cm2.℃)"},
    {"unit.heat-transfer-coefficient.kcal/(m2.s.K)", "kcal/(m2.s.℃)"},
    {"unit.heat-transfer-coefficient.kcal/(m2.h.K)", "kcal/(m2.h.℃)"},
    {"unit.heat-transfer-coefficient.BTU/(ft2.s.F)", "BTU/(ft2.s.°F)"},
    {"unit.heat-transfer-coefficient.BTU/(ft2.h.F)", "BTU/(ft2.h.°F)"},
    // thermal-conductivity
    {"unit.thermal-conductivity.W/(m.K)", "W(m.K)"},
    {"unit.thermal-conductivity.W/(cm.K)", "W(cm.K)"},
    {"unit.thermal-conductivity.kcal/(cm.s.K)", "kcal/(cm.s.K)"},
    {"unit.thermal-conductivity.kcal/(cm.h.K)", "kcal/(cm.h.K)"},
    {"unit.thermal-conductivity.kcal/(m.s.K)", "kcal/(m.s.K)"},
    {"unit.thermal-conductivity.kcal/(m.h.K)", "kcal/(m.h.K)"},
    {"unit.thermal-conductivity.BTU/(in.s.F)", "BTU/(in.s.°F)"},
    {"unit.thermal-conductivity.BTU/(in.h.F)", "BTU/(in.h.°F)"},
    {"unit.thermal-conductivity.BTU/(ft.s.F)", "BTU/(ft.s.°F)"},
    {"unit.thermal-conductivity.BTU/(ft.h.F)", "BTU/(ft.h.°F)"},
    // dynamic-viscosity
    {"unit.dynamic-viscosity.mPa.s", "mPa.s"},
    {"unit.dynamic-viscosity.Pa.s", "Pa.s"},
    {"unit.dynamic-viscosity.cP", "cP"},
    {"unit.dynamic-viscosity.P", "P"},
    {"unit.dynamic-viscosity.kg/(m.s)", "kg/(m.s)"},
    {"unit.dynamic-viscosity.kg/(m.h)", "kg/(m.h)"},
    {"unit.dynamic-viscosity.lb/(ft.s)", "lb/(ft.s)"},
    {"unit.dynamic-viscosity.lb/(ft.h)", "lb/(ft.h)"},
    {"unit.dynamic-viscosity.dyn.s/cm2", "dyn.s/cm2"},
    {"unit.dynamic-viscosity.kgf.s/m2", "kgf.s/m2"},
    {"unit.dynamic-viscosity.lb.s/ft2", "lb.s/ft2"},
    {"unit.dynamic-viscosity.lb.h/ft2", "lb.h/ft2"},
    // kinematic-viscosity
    {"unit.kinematic-viscosity.cSt", "cSt"},
    {"unit.kinematic-viscosity.St", "St"},
    {"unit.kinematic-viscosity.mm2/s", "mm2/s"},
    {"unit.kinematic-viscosity.cm2/s", "cm2/s"},
    {"unit.kinematic-viscosity.m2/s", "m2/s"},
    {"unit.kinematic-viscosity.m2/h", "m2/h"},
    {"unit.kinematic-viscosity.ft2/s", "ft2/s"},
    {"unit.kinematic-viscosity.ft2/h", "ft2/h"},
    // diffusion
    {"unit.diffusion.cm2/s", "cm2/s"},
    {"unit.diffusion.m2/h", "m2/h"},
    {"unit.diffusion.in2/s", "in2/s"},
    {"unit.diffusion.ft2/h", "ft2/h"},
    // surface-tension
    {"unit.surface-tension.N/m", "N/m"},
    {"unit.surface-tension.mN/m", "mN/m"},
    {"unit.surface-tension.g/cm", "g/cm"},
    {"unit.surface-tension.kg/m", "kg/m"},
    {"unit.surface-tension.dyn/cm", "dyn/cm"},
    {"unit.surface-tension.lb/ft", "lb/ft"},
    // The main window's panels, as the page shows them too.
    {"panel.pressure", "压力单位转换"},
    {"panel.temperature", "温度单位转换"},
    {"panel.flow", "流量单位转换"},
    {"panel.flow.mass", "质量流率："},
    {"panel.flow.volume", "体积流率："},
    {"panel.categories", "其他单位转换"},
    // The sensor panel: its frame, family buttons and captions. The output's
    // caption reads "电压" until a family is chosen, then the family's
    // (above).
    {"sensor.panel", "90温标转换"},
    {"sensor.thermocouple", "热电偶"},
    {"sensor.rtd", "热电阻"},
    {"sensor.temperature", "温度"},
    {"sensor.voltage", "电压"},
    // The units of its temperature fields.
    {"sensor.unit.°C", "°C (摄氏度)"},
    {"sensor.unit.°F", "°F (华氏度)"},
    {"sensor.unit.K", "  K (开尔文)"},
    {"sensor.unit.R", "  R (兰氏度)"},
    // The main window: its title and the face of the windows laid out in the
    // Song face (the face's own name, which every system knows it by).
    {"main.title", "TharnixV2.0 ---精工诚信 Oskelta 实用为本 细节成质"},
    {"font.dialog", "SimSun"},
    // The maker's name, address and web invitation (its numbers are in
    // res/maker_details.h), and the captions of its contact lines in the
    // main window's footer and the category dialogs' footers. The invitation
    // ends in seven blanks, as the main window has always shown it.
    {"maker.company", "奥斯凯塔仪表科技有限公司"},
    {"maker.address", "杭州市滨江区示例路88号"},
    {"maker.web-invitation", "欢迎访问奥斯凯塔网站，获取更多工程工具       "},
    {"contact.phone", "联系电话："},
    {"contact.fax", "传真："},
    {"contact.service-phone", "客服电话："},
    {"contact.messenger", "客服QQ:"},
    // The About box. The two-character captions are spread with one
    // ideographic space in each gap, so that they fill the width of the
    // four-character ones above them and the values line up.
    {"about.title", "关于 TharnixV1.0"},
    {"about.company", "公司名称："},
    {"about.address", "联系地址："},
    {"about.phone", "联系电话："},
    {"about.fax", "传\u3000\u3000真："},
    {"about.post-code", "邮\u3000\u3000编："},
    // The window menu: its standard entries, the About command (string 101)
    // and the language switch, which reads the same in every language.
    {"menu.restore", "还原(&R)"},
    {"menu.move", "移动(&M)"},
    {"menu.minimize", "最小化(&N)"},
    {"menu.close", "关闭(&C)\tAlt+F4"},
    {"menu.about", "关于 Velmaro(&A)..."},
    {"menu.language", "Language / 语言"},
    // The category dialogs' titles, which their captions repeat.
    {"category.length", "长度单位转换"},
    {"category.area", "面积单位换算"},
    {"category.volume", "体积单位转换"},
    {"category.capacity", "容积单位换算"},
    {"category.mass", "质量单位转换"},
    {"category.density", "密度单位转换"},
    {"category.speed", "速度单位转换"},
    {"category.force", "力 单位换算"},
    {"category.energy", "能量单位转换"},
    {"category.power", "功率单位转换"},
    {"category.heat-flux", "传热速度单位转换"},
    {"category.heat-transfer-coefficient", "传热系数单位转换"},
    {"category.thermal-conductivity", "导热系数单位转换"},
    {"category.dynamic-viscosity", "动力粘度单位转换"},
    {"category.kinematic-viscosity", "运动粘度单位转换"},
    {"category.diffusion", "扩散系数单位转换"},
    {"category.surface-tension", "表面张力单位转换"},
    // How a list of names is joined: between two names, and before the last.
    {"list.separator", "、"},
    {"list.and", "和"},
    // The help window: its title, button and topics. A topic's text is one
    // paragraph per line; a line wider than the window is broken after a
    // blank or a list mark. The marks in braces are filled in from the
    // catalogue: unit counts, the temperature scales, the sensor types, the
    // number and names of the category dialogs, the out-of-range verdict.
    {"help.title", "Velmaro 帮助"},
    {"help.ok", "确定"},
    {"help.contents", "换算内容"},
    {"help.contents.text",
     "主窗口：压力（{pressure} 种单位）、温度（{temperature-units}）、质量流量（{mass-flow} 种单位）和体积\n"
     "流量（{volume-flow} 种单位）。\n"
     "90温标转换：由温度求热电偶（{thermocouples} 型）的热电势（mV）或\n"
     "热电阻（{rtds}）的电阻（Ω），也可反求温度。\n"
     "其他单位转换：{categories} 个按钮各打开一个换算窗口：{category-names}。\n"
     "仪表计算（Ctrl+I）：热电偶冷端补偿、变送器信号、气体流量的工况与标况换算。\n"
     "水和水蒸气性质（Ctrl+H）：按 IAPWS-IF97 由压力和温度、比焓或比熵\n"
     "求水和水蒸气的状态，以及饱和水和饱和蒸汽。\n"
     "差压流量计算（Ctrl+L）：按 ISO 5167 由差压求流量、由流量求差压或求孔径。"},
    {"help.numbers", "输入数字"},
    {"help.numbers.text",
     "在任一单位的框中输入数字，同组其他单位的框随即算出，不必按键确认。\n"
     "小数点一律用“.”，与系统的区域设置无关；可用指数写法，如 1.5e3 即 1500。\n"
     "只读开头的数字：“12abc”按 12 计算，数字后面的文字不计；\n"
     "空框，或开头不是数字的文字（如“abc”、“-”、“.”），按 0 计算。\n"
     "传感器栏只在 °C 和 mV（或 Ω）框中输入，°F、K、R 框只显示结果；\n"
     "数值超出所选型号的范围时，提示“{out-of-range}”，结果为 0。\n"
     "Tab 转到下一个框；Esc 关闭窗口，Enter 不关闭换算窗口。"},
    {"help.results", "计算方法"},
    {"help.results.text",
     "单位换算的结果都由固定的换算系数表以双精度算出，按固定的小数位数显示；\n"
     "温度按各温标的定义换算，传感器按下面的标准计算。\n"
     "程序不读写文件、不联网，关闭窗口后不保留任何数值。"},
    {"help.standards", "传感器依据的标准"},
    {"help.standards.text",
     "热电偶：ITS-90 参考函数，系数取自 NIST Monograph 175（与 IEC 60584-1 相同），\n"
     "参考端 0 °C；由热电势求温度，K 型用标准的反函数，其他各型以二分法解参考函数。\n"
     "铂热电阻 Pt100、Pt10、Pt1000、Pt500：IEC 60751 的 Callendar–Van Dusen 方程，\n"
     "    A = 3.9083×10⁻³，B = −5.775×10⁻⁷，C = −4.183×10⁻¹²（C 只用于 0 °C 以下）。\n"
     "铜热电阻 Cu100、Cu50（−50 ～ 150 °C）：\n"
     "    由温度求电阻 R = R0[1 + αt + βt(t − 100) + γt²(t − 100)]，\n"
     "        α = 4.28×10⁻³，β = −9.31×10⁻⁸，γ = 1.23×10⁻⁹；\n"
     "    由电阻求温度，解 R = R0(1 + At + Bt² + Ct³)，\n"
     "        A = 4.28899×10⁻³，B = −2.133×10⁻⁷，C = 1.233×10⁻⁹。"},
    // The page's own: its title and description, the names a screen reader gives the family
    // buttons, the type list and the phone's jump links, and its word for a
    // browser without scripts.
    {"page.title", "Velmaro 单位换算"},
    {"page.description", "压力、温度、流量、热电偶与热电阻及十七类单位换算"},
    {"page.sensor-family", "传感器"},
    {"page.sensor-type", "传感器类型"},
    {"page.jump", "转到"},
    {"page.noscript", "此页面需要 JavaScript。"},
    // The language's own name, on the link to the page in it.
    {"page.language", "中文"},
};
// clang-format on

// The catalogue's and sensors' texts, then the tool windows'.
constexpr auto kAllChinese = JoinedTexts(kChinese, kChineseToolTexts);

constexpr bool HasText(std::string_view id) {
    // std::find_if: the page's compiler (emscripten 3.1.6) has no ranges.
    return std::find_if(kAllChinese.begin(), kAllChinese.end(),
                        [id](const Text& text) { return text.id == id; }) != kAllChinese.end();
}

// An instrument's or a flowmeter's fault, or a broken limit of the
// flowmeter's standard, without its text stops the build here, not a person
// at a window (english_texts.cpp has every id of this table: texts_test).
constexpr bool EveryFaultHasItsText() {
    for (int f = static_cast<int>(instruments::Fault::OutOfRange);
         f <= static_cast<int>(instruments::kLastFault); ++f) {
        if (!HasText(instruments::FaultTextId(static_cast<instruments::Fault>(f)))) {
            return false;
        }
    }
    for (int f = static_cast<int>(flow::Fault::NotFinite); f <= static_cast<int>(flow::kLastFault);
         ++f) {
        if (!HasText(flow::FaultTextId(static_cast<flow::Fault>(f)))) {
            return false;
        }
    }
    return std::all_of(std::begin(flow::kAllLimits), std::end(flow::kAllLimits),
                       [](flow::Limit limit) { return HasText(flow::LimitTextId(limit)); });
}
static_assert(EveryFaultHasItsText());

} // namespace

std::span<const Text> ChineseTexts() {
    return kAllChinese;
}

} // namespace velmaro::texts
