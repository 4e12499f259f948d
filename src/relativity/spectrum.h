// The colour of Doppler-shifted light, for the camera's picture of
// demonstrations 8 and 9. A surface's colour (display values 0..1, as the
// program draws with) is taken as three spectral lines, at 645, 510 and 440
// nm, as strong as its red, green and blue: at rest each line shows as its
// own primary. Light that left at wavelength L arrives at L / D, and is shown
// in the colour of light of that wavelength: redder for D < 1, bluer for
// D > 1, fading out beyond 380 to 780 nm, where the eye sees nothing.
// Brightness is a separate effect: the searchlight.
#pragma once

const double visibleFrom = 380.0, visibleTo = 780.0; // nm

// The display colour (0..1) of light of one wavelength, as bright as a
// primary: pure red at 645 nm, green at 510, blue at 440, black outside the
// visible.
void wavelengthColour(double nanometres, float out[3]);

// The colour rgb shows with its light arriving at Doppler factor `doppler`.
void dopplerColour(const float rgb[3], double doppler, float out[3]);

// The colour rgb with its intensity scaled by D^4 (the light's energy per
// time and solid angle), its brightest channel capped at full for display,
// the hue kept.
void searchlightColour(const float rgb[3], double doppler, float out[3]);
