#pragma once

// The Chinese texts of the two tool windows, water and steam and instrument
// work, by text id. They are the language's texts like the others (the table
// of chinese_texts.cpp takes them in), and the page's panels read them by the
// same ids; the windows' templates, which are built at compile time, take
// them with ToolText().

#include "res/texts/texts.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace velmaro::texts {

// clang-format off
inline constexpr std::array kChineseToolTexts = std::to_array<Text>({
    // The water and steam window: title, group captions, button.
    {"steam.title", "水和水蒸气性质"},
    {"steam.known", "已知条件"},
    {"steam.results", "计算结果"},
    {"steam.close", "关闭"},
    // Its input choices, in the order of the mode list.
    {"steam.mode.pressure-temperature", "压力和温度"},
    {"steam.mode.saturation-by-pressure", "饱和状态（按压力）"},
    {"steam.mode.saturation-by-temperature", "饱和状态（按温度）"},
    {"steam.mode.pressure-enthalpy", "压力和比焓"},
    {"steam.mode.pressure-entropy", "压力和比熵"},
    {"steam.absolute", "绝压"},
    {"steam.gauge", "表压"},
    // The labels that name the input fields (their accessible names).
    {"steam.label.pressure", "压力"},
    {"steam.label.ambient", "大气压 (kPa)"},
    {"steam.label.temperature", "温度"},
    {"steam.label.enthalpy", "比焓 (kJ/kg)"},
    {"steam.label.entropy", "比熵 (kJ/(kg·K))"},
    {"steam.label.quality", "干度 x"},
    {"steam.label.pressure-unit", "压力单位"},
    {"steam.label.pressure-kind", "表压/绝压"},
    {"steam.label.temperature-unit", "温度单位"},
    // The page's panel.
    {"steam.panel", "水和水蒸气"},
    // Column headings: one state, or the saturated pair and the wet state.
    {"steam.heading.state", "状态"},
    {"steam.heading.saturated-liquid", "饱和水"},
    {"steam.heading.saturated-vapour", "饱和蒸汽"},
    {"steam.heading.wet-steam", "湿蒸汽"},
    // The result rows, with their units.
    {"steam.result.region", "区域"},
    {"steam.result.phase", "相态"},
    {"steam.result.celsius", "温度 t (°C)"},
    {"steam.result.temperature", "热力学温度 T (K)"},
    {"steam.result.pressure", "压力 p (MPa，绝压)"},
    {"steam.result.volume", "比体积 v (m³/kg)"},
    {"steam.result.density", "密度 ρ (kg/m³)"},
    {"steam.result.enthalpy", "比焓 h (kJ/kg)"},
    {"steam.result.internal-energy", "比内能 u (kJ/kg)"},
    {"steam.result.entropy", "比熵 s (kJ/(kg·K))"},
    {"steam.result.cp", "比定压热容 cp (kJ/(kg·K))"},
    {"steam.result.cv", "比定容热容 cv (kJ/(kg·K))"},
    {"steam.result.speed-of-sound", "声速 w (m/s)"},
    {"steam.result.quality", "干度 x"},
    // Phases.
    {"steam.phase.compressed-liquid", "过冷水"},
    {"steam.phase.saturated-liquid", "饱和水"},
    {"steam.phase.wet-steam", "湿蒸汽"},
    {"steam.phase.saturated-vapour", "饱和蒸汽"},
    {"steam.phase.superheated-vapour", "过热蒸汽"},
    {"steam.phase.supercritical", "超临界流体"},
    {"steam.out-of-range", "超出范围"},
    {"steam.quality-outside", "干度 x 须在 0 ～ 1 之间"},
    {"steam.not-defined", "—"},
    // The window menu's command and the help window's button.
    {"steam.command", "水和水蒸气性质(&W)...\tCtrl+H"},
    {"steam.button", "水和水蒸气 (Ctrl+H)"},
    // The instrument window: title, tool frames, button, field labels.
    {"instrument.title", "仪表计算"},
    {"instrument.close", "关闭"},
    {"instrument.cold-junction", "热电偶冷端补偿"},
    {"instrument.transmitter", "变送器信号"},
    {"instrument.gas-flow", "气体流量（工况、标况）"},
    {"instrument.cj.type", "分度号"},
    {"instrument.cj.cold", "冷端温度 °C"},
    {"instrument.cj.emf", "实测电势 mV"},
    {"instrument.cj.hot", "热端温度 °C"},
    {"instrument.tx.lrv", "量程下限"},
    {"instrument.tx.urv", "量程上限"},
    {"instrument.tx.unit", "工程单位"},
    {"instrument.tx.signal-range", "信号范围"},
    {"instrument.tx.characteristic", "输出特性"},
    {"instrument.tx.cut-off", "小流量切除 %"},
    {"instrument.tx.signal", "信号"},
    {"instrument.tx.value", "工程值"},
    {"instrument.tx.percent", "百分比 %"},
    {"instrument.gas.flow-unit", "流量单位"},
    {"instrument.gas.pressure", "工况压力"},
    {"instrument.gas.pressure-unit", "压力单位"},
    {"instrument.gas.pressure-kind", "压力类型"},
    {"instrument.gas.temperature", "工况温度 °C"},
    {"instrument.gas.z", "工况压缩因子 Z"},
    {"instrument.gas.z-ref", "标况压缩因子 Z"},
    {"instrument.gas.standard", "标准状态"},
    {"instrument.gas.line-flow", "工况流量"},
    {"instrument.gas.normal-flow", "标况流量"},
    {"instrument.gas.standard-flow", "标准状态流量"},
    {"instrument.gas.density", "标况密度 kg/m³"},
    {"instrument.gas.molar-mass", "摩尔质量 g/mol"},
    {"instrument.gas.mass-flow", "质量流量 kg/h"},
    // Its list entries, verdicts, window-menu command and help button.
    {"instrument.command", "仪表计算(&I)...\tCtrl+I"},
    {"instrument.button", "仪表计算(Ctrl+I)..."},
    {"instrument.characteristic.linear", "线性"},
    {"instrument.characteristic.square-root", "开方（差压流量）"},
    {"instrument.gauge", "表压"},
    {"instrument.absolute", "绝压"},
    {"instrument.standard.20", "20 °C, 101.325 kPa"},
    {"instrument.standard.15", "15 °C, 101.325 kPa"},
    {"instrument.standard.60f", "60 °F, 14.696 psia"},
    {"instrument.out-of-range", "超出范围"},
    {"instrument.signal-outside", "信号超出信号范围"},
    {"instrument.not-finite", "数值过大或无效"},
    {"instrument.empty-range", "量程上限不能等于下限"},
    {"instrument.cut-off-outside", "小流量切除须在 0 ～ 100% 之间"},
    {"instrument.pressure-not-positive", "绝对压力须大于零"},
    {"instrument.temperature-not-positive", "绝对温度须大于零"},
    {"instrument.z-not-positive", "压缩因子 Z 须大于零"},
    {"instrument.density-not-positive", "密度、摩尔质量须大于零"},
    // Any tool: a number refused before it is computed with; a result the
    // state does not define (the cp of wet steam).
    {"tool.not-a-number", "请输入数字"},
    {"tool.value-outside", "数值超出允许范围"},
    {"tool.not-finite", "数值过大或无效"},
    {"tool.not-defined", "—"},
});
// clang-format on

// The tool text of `id`; an id without a text stops the build where the
// templates ask for it at compile time.
constexpr std::string_view ToolText(std::string_view id) {
    for (const Text& text : kChineseToolTexts) {
        if (text.id == id) {
            return text.text;
        }
    }
    throw std::out_of_range("no tool text of this id");
}

} // namespace velmaro::texts
