// The numbers of the COM ports present, in ascending order.
#pragma once

#include "platform/serial/SerialSystem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace z5t8::link {

using platform::serial::SerialSystem;

// Results of Enum_Com_Ports.
inline constexpr std::uint8_t Enum_Ports_Listed = 0;
inline constexpr std::uint8_t Enum_Bad_Arguments = 1;
inline constexpr std::uint8_t Enum_No_Port = 2;
inline constexpr std::uint8_t Enum_Too_Many_Ports = 3;
inline constexpr std::uint8_t Enum_Source_Failed = 4;

// Port sources.
inline constexpr std::uint8_t Enum_Source_Dos_Devices = 0;
inline constexpr std::uint8_t Enum_Source_Registry = 1;

// count: in, the capacity of ports; out, the number of ports found.
std::uint8_t Enum_Com_Ports(std::uint8_t source, std::uint16_t* ports, std::uint16_t* count,
                            SerialSystem& system = platform::serial::Default_Serial_System());

bool Enum_From_Registry(std::vector<std::uint16_t>& list, SerialSystem& system);
bool Enum_From_DosDevices(std::vector<std::uint16_t>& list, SerialSystem& system);
bool Is_Com_Name(const std::string& text);
bool Is_Port_Present(std::uint16_t number, std::uint32_t subtype, SerialSystem& system);

}  // namespace z5t8::link
