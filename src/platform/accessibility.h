#pragma once

// What assistive technology (a screen reader, a switch tool) reads of a window: labels as text,
// buttons that press as Enter does, containers whose children come in reading order, and
// nothing of what is covered (the panels behind the one in front) or only drawn (lines,
// shapes, a reference mark).

class QWidget;

namespace platform {

// Set on a window's client area, so that it too presents its controls in reading order.
inline constexpr char kClientProperty[] = "platform.clientArea";

// Makes the windows' controls speak through our own accessible interfaces. Idempotent.
void InstallAccessibility();

// True when the widget, or a container it lies in, is wholly covered by a container above it.
bool CoveredForAssistiveTechnology(const QWidget* widget);

// A container was brought to the front: tells assistive technology which of its siblings now
// show and which are hidden behind.
void AnnounceStacking(QWidget* raised);

} // namespace platform
