#pragma once
// The socket layer speaks the classic socket error numbers (10035 would block, 10061 refused, ...)
// and their short texts, whatever the system's own numbers are.
#include <cstdint>
#include <string>

namespace sockerr {

inline constexpr int32_t WouldBlock = 10035;
inline constexpr int32_t MessageTooLong = 10040;
inline constexpr int32_t AddressFamily = 10047;
inline constexpr int32_t AddressNotAvailable = 10049;
inline constexpr int32_t TimedOut = 10060;
inline constexpr int32_t Refused = 10061;
inline constexpr int32_t HostNotFound = 11001;

// The class's own numbers.
inline constexpr int32_t WrongProtocolOrState = 40006;
inline constexpr int32_t BadArgument = 40014;
inline constexpr int32_t UnsupportedType = 40018;
inline constexpr int32_t InvalidOperation = 40020;

// The short text of a socket error number, ending with a full stop; "Unknown error." otherwise.
std::string ErrorText(int32_t code);
// The socket error number of a system errno.
int32_t FromErrno(int errnoValue);
// The socket error number of a failed name lookup (getaddrinfo's result).
int32_t FromLookupFailure(int gaiResult);

}
