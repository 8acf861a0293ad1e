// The texts of the about box: the range, its modules and the contact entry.
#include "About.h"

#include <algorithm>
#include <array>

namespace {

QString T(const char* text) {
    return QString::fromUtf8(text);
}

const std::array<TAboutEntry, AboutEntryCount>& Entries() {
    static const std::array<TAboutEntry, AboutEntryCount> entries = {{
        {T("The Ferrant Range of Structures Experiments"),
         T("Nineteen bench-top experiments that lead students from equilibrium of forces to the behaviour of "
           "beams, shafts, struts, arches, frames and trusses. Each module mounts in the same test frame, "
           "can be "
           "used on its own, and can be wired to the data unit to show live readings on a computer."),
         T("Move the pointer over a picture to read about that module.")},
        {T("Bending Moments in a Beam (VEK2)"),
         T("Shows that the bending moment at a section equals the sum of the moments of the forces on one "
           "side "
           "of it. Students load a simply supported beam and compare the moment measured at a cut with their "
           "own calculation."),
         T("\r\nThe beam is cut and bridged by a pivot and a load cell that carries the moment at the cut. "
           "Load hangers clip on anywhere along the span.")},
        {T("Shear Force in a Beam (VEK3)"),
         T("Shows that the shear force at a section equals the algebraic sum of the vertical forces on one "
           "side "
           "of it, for point loads placed anywhere on a simply supported beam."),
         T("\r\nThe cut is bridged by rollers that let the beam carry moment but pass the shear to a load "
           "cell. "
           "Students draw the shear force diagram from their readings.")},
        {T("Deflection of Beams and Cantilevers (VEK4)"),
         T("Compares measured deflections with elastic theory for cantilevers, propped cantilevers, simply "
           "supported and fixed-ended beams, with point loads and a distributed load, in several sections "
           "and "
           "materials."),
         T("Clamps, knife-edges, load hangers and two digital dial gauges set up any arrangement on a 600 mm "
           "beam. This program lets students build the same set-ups on screen.")},
        {T("Torsion of Circular Shafts (VEK5)"),
         T("Relates applied torque to angle of twist for solid and hollow shafts of different materials, and "
           "finds the shear modulus from the slope of the torque-twist line."),
         T("\r\nOne end of the specimen is held in a chuck; a torque arm and load hanger twist the other, "
           "and a "
           "protractor and dial gauge measure the rotation.")},
        {T("Buckling of Struts (VEK6)"),
         T("Investigates the critical load of slender struts with pinned and fixed ends, and compares it "
           "with "
           "the Euler buckling load for each length and end condition."),
         T("A screw jack loads the strut through a load cell while a dial gauge follows the sideways bow at "
           "mid-length.")},
        {T("Forces in a Pin-Jointed Truss (VEK7)"),
         T("Measures the forces in the members of a plane truss under a load at one joint, and compares them "
           "with the method of joints and the method of sections."),
         T("\r\nEach member carries a strain gauge. The readings show which members are in tension and which "
           "in compression.")},
        {T("Three-Pinned Arch (VEK8)"),
         T("Studies the reactions and the horizontal thrust of a statically determinate arch under point "
           "loads "
           "and a distributed load."),
         T("\r\nPins at both springings and at the crown make the arch determinate; load cells at the "
           "supports "
           "measure the thrust.")},
        {T("Two-Pinned Arch (VEK9)"),
         T("Finds the horizontal thrust of a statically indeterminate arch and draws its influence line for "
           "a "
           "load moved across the span."),
         T("One support rolls; weights on a hanger restore it to its original position and so measure the "
           "thrust.")},
        {T("Sway of a Portal Frame (VEK10)"),
         T("Examines the sideways sway of a rigid portal frame under a horizontal load at beam level, and "
           "the "
           "bending of its columns and beam."),
         T("\r\nA cord over a pulley applies the horizontal load; dial gauges measure the sway and the "
           "rotations at the knees.")},
        {T("Continuous Beam Reactions (VEK11)"),
         T("Measures the support reactions of a beam continuous over three supports and compares them with "
           "the "
           "theorem of three moments."),
         T("Each support stands on a load cell, and the middle support can be lowered to show the effect of "
           "a "
           "settling support.")},
        {T("Deflection of Curved Bars (VEK12)"),
         T("Measures the horizontal and vertical deflections of curved bars and rings under load, and "
           "compares "
           "them with strain-energy methods."),
         T("\r\nQuarter-circle, semicircular and davit-shaped specimens are clamped at one end and loaded at "
           "the other; two dial gauges read the movements.")},
        {T("Unsymmetrical Bending (VEK13)"),
         T("Shows how a cantilever of angle section deflects out of the plane of the load, and locates the "
           "principal axes of the section."),
         T("The section can be turned in steps about the beam axis; two dial gauges read the horizontal and "
           "vertical deflection of the tip.")},
        {T("Shear Centre of Open Sections (VEK14)"),
         T("Locates the shear centre of channel and other open sections, the point through which a load "
           "bends the beam without twisting it."),
         T("\r\nA plate on the free end of the cantilever takes the load at several offsets; dial gauges at "
           "each edge show the twist.")},
        {T("Suspension Cable (VEK15)"),
         T("Studies the tension and the sag of a cable carrying point loads and a uniformly distributed load "
           "between two supports."),
         T("The cable runs over pulleys to weight hangers that set its tension; a scale measures the sag at "
           "each hanger.")},
        {T("Redundant Truss (VEK16)"),
         T("Compares the member forces of a truss with one redundant member with those of the same truss "
           "without it, and checks them by the flexibility method. A screw adjuster in the redundant member "
           "shows the effect of lack of fit."),
         QString()},
        {T("Rigid-Jointed Frames (VEK17)"),
         T("Measures the deflections and the bending moments of rigid-jointed frames of several shapes, "
           "assembled from members and joint plates."),
         T("\r\nFrames are built on the test frame from standard members; load hangers and dial gauges clip "
           "on at any joint.")},
        {T("Influence Lines (VEK18)"),
         T("Draws the influence lines for the reactions, the shear force and the bending moment of a beam by "
           "moving a load step by step across the span."),
         T("A rolling load trolley runs along the beam; load cells at the supports give the reactions at "
           "each "
           "position.")},
        {T("Thin Cylinder Under Pressure (VEK19)"),
         T("Measures the hoop and longitudinal strains of a thin-walled cylinder under internal pressure, "
           "and "
           "finds the elastic constants of its material."),
         T("\r\nA hand pump raises the pressure; strain gauges in several directions on the wall are read at "
           "each step.")},
        {T("Combined Bending and Torsion (VEK20)"),
         T("Studies the principal stresses in a tube loaded by bending and torsion at once, and compares "
           "them "
           "with the theories of elastic failure."),
         T("A load on the end of an arm bends and twists the tube; a strain-gauge rosette near the support "
           "measures the strains.")},
        {T("Korvex Teaching Equipment"),
         T("Korvex Teaching Equipment, Unit 4, Example Park, Exampletown EX1 2AB"),
         T("Telephone +00 000 000 0000, https://korvex.example")},
    }};
    return entries;
}

} // namespace

const TAboutEntry& AboutEntry(int number) {
    return Entries().at(static_cast<std::size_t>(std::clamp(number, 1, AboutEntryCount) - 1));
}
