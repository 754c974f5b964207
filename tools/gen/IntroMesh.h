// The intro's 3D mesh: five Reversi discs on a display stand, each turned a little further than
// its neighbour, so that the row shows a disc turning over while the whole piece revolves.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct TVec3 {
    double X = 0, Y = 0, Z = 0;
};

// One closed part of the mesh; face indices are local to the group.
struct TMeshGroup {
    std::vector<TVec3> Vertices;
    std::vector<std::array<std::uint16_t, 3>> Faces;
};

struct TMesh {
    std::vector<TMeshGroup> Groups;
    std::size_t VertexCount() const;
    std::size_t FaceCount() const;
};

// The mesh in stored coordinates, scaled so that its brightest face stays within the gradient.
TMesh MakeIntroMesh();

// The mesh file: header, then each group's vertices and faces, little-endian.
std::vector<std::uint8_t> SerializeMesh(const TMesh& mesh);

// The brightness ramp the renderer shades mesh faces with: 256 bytes rising from 8 to 255.
std::vector<std::uint8_t> MakeIntroGradient();
