#pragma once
// The modules of the Ferrant range, numbered 2 to 20 as on the launcher. Module 4 is the experiment this
// program contains; the others are shown as pictures of their apparatus.

inline constexpr int FirstModule = 2;
inline constexpr int LastModule = 20;
inline constexpr int ExperimentModule = 4;

// The title of module n (2..20): the launcher's button hint, the about text's title and the heading of the
// module's picture. Empty for any other n.
[[nodiscard]] constexpr const char* ModuleTitle(int n) {
    constexpr const char* Titles[LastModule + 1] = {
        "",
        "",
        "Bending Moments in a Beam (VEK2)",
        "Shear Force in a Beam (VEK3)",
        "Deflection of Beams and Cantilevers (VEK4)",
        "Torsion of Circular Shafts (VEK5)",
        "Buckling of Struts (VEK6)",
        "Forces in a Pin-Jointed Truss (VEK7)",
        "Three-Pinned Arch (VEK8)",
        "Two-Pinned Arch (VEK9)",
        "Sway of a Portal Frame (VEK10)",
        "Continuous Beam Reactions (VEK11)",
        "Deflection of Curved Bars (VEK12)",
        "Unsymmetrical Bending (VEK13)",
        "Shear Centre of Open Sections (VEK14)",
        "Suspension Cable (VEK15)",
        "Redundant Truss (VEK16)",
        "Rigid-Jointed Frames (VEK17)",
        "Influence Lines (VEK18)",
        "Thin Cylinder Under Pressure (VEK19)",
        "Combined Bending and Torsion (VEK20)",
    };
    return n >= FirstModule && n <= LastModule ? Titles[n] : "";
}

// Sizes of the pictures, in pixels.
inline constexpr int GlyphWidth = 140, GlyphHeight = 100;                 // launcher buttons and about box
inline constexpr int WindowIconSizes[] = {16, 24, 32, 48, 64};            // the window icon, raw
inline constexpr int ModulePictureWidth = 751, ModulePictureHeight = 540; // VEKn.JPG beside the program
inline constexpr int LauncherBackgroundWidth = 768, LauncherBackgroundHeight = 479;
inline constexpr int AboutBackgroundWidth = 770, AboutBackgroundHeight = 567;
