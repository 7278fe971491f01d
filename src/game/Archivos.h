#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace quorbel::archivos {

// The whole of a regular file of at most `maximo` bytes; nothing when there is no such file,
// when it is larger, or when it cannot be read.
std::optional<std::string> LeerAcotado(const std::filesystem::path& ruta, std::size_t maximo);

// Replaces the file with `datos` atomically (a temporary file renamed over it, readable by
// all): a crash or a full disk never leaves half a file. False when it could not be written;
// the file on disk is then untouched and nothing is left behind.
bool EscribirAtomico(const std::filesystem::path& ruta, const std::string& datos);

}  // namespace quorbel::archivos
