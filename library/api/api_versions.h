// The version texts the tables report; a caller compares all five bytes, terminator included.
#pragma once

constexpr const char kApiVersion[] = "V100";
constexpr const char kRemoteServiceApiVersion[] = "V102";
