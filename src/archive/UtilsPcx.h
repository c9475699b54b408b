// PCX encoding of 256-colour pictures, the form in which the archive stores kind-1 items.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// 256 colours as red, green, blue triples.
using PcxPalette = std::array<std::uint8_t, 768>;

// One plane of 8 bits a pixel, lines of exactly width bytes, run-length encoded line by line
// (runs of at most 63), then the marker byte 12 and the palette. pixels holds width x height
// palette indices, top line first. Nothing when the size is not 1..65536 a side or pixels is too
// short.
std::optional<std::vector<std::uint8_t>> EncodePcx(std::int32_t width, std::int32_t height,
                                                   std::span<const std::uint8_t> pixels,
                                                   const PcxPalette& palette);

// Pixels given as colours 0x00BBGGRR, top line first: the palette is built from the colours in
// order of first appearance. Nothing when there are more than 256 colours.
std::optional<std::vector<std::uint8_t>> EncodePcxFromColours(std::int32_t width, std::int32_t height,
                                                              std::span<const std::uint32_t> colours);
