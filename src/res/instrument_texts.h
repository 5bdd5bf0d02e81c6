#pragma once

// Texts of the instrument window that are not in its template: list entries,
// the verdict lines and the window-menu command.

#include <array>
#include <string_view>

namespace velmaro::res {

// The window-menu command and the help window's button; "&" marks the
// mnemonic, "\t" starts the key column.
inline constexpr std::string_view kInstrumentsCommand = "仪表计算(&I)...\tCtrl+I";
inline constexpr std::string_view kInstrumentsButton = "仪表计算(Ctrl+I)...";

// Transmitter output characteristic, in list order: linear, square root.
inline constexpr std::array<std::string_view, 2> kCharacteristics = {"线性", "开方（差压流量）"};
// Line pressure reading, in list order: gauge, absolute.
inline constexpr std::array<std::string_view, 2> kPressureKinds = {"表压", "绝压"};
// Standard conditions, in list order.
inline constexpr std::array<std::string_view, 2> kStandardConditions = {"20 °C, 101.325 kPa",
                                                                        "15 °C, 101.325 kPa"};

inline constexpr std::string_view kOutOfRange = "超出范围";
inline constexpr std::string_view kSignalOutside = "信号超出信号范围";
inline constexpr std::string_view kNotFinite = "数值过大或无效";
inline constexpr std::string_view kEmptyRange = "量程上限不能等于下限";
inline constexpr std::string_view kCutOffOutside = "小流量切除须在 0 ～ 100% 之间";
inline constexpr std::string_view kPressureNotPositive = "绝对压力须大于零";
inline constexpr std::string_view kTemperatureNotPositive = "绝对温度须大于零";
inline constexpr std::string_view kZNotPositive = "压缩因子 Z 须大于零";
inline constexpr std::string_view kDensityNotPositive = "密度、摩尔质量须大于零";

} // namespace velmaro::res
