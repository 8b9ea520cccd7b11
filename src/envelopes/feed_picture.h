#pragma once
// The picture of a feed method: the printer's paper tray with the envelope
// lying in it as the user feeds it, its front (stamp and address lines)
// when it faces up and its back (the flap) when it faces down; upright for
// a portrait feed, turned one way or the other for a landscape feed.
#include <QImage>

#include "envelopes/envelope_feed.h"

class QPainter;

namespace pc::envelopes {

inline constexpr int kFeedPictureWidth = 200;
inline constexpr int kFeedPictureHeight = 150;

// The envelope's rectangle in the picture: 2 pixels from the top and, by
// position, 2 from the left, 2 from the right or centred.
QRect feedEnvelopeRect(const EnvelopeFeed& feed);

void paintFeedPicture(QPainter& painter, const EnvelopeFeed& feed);
QImage feedPicture(const EnvelopeFeed& feed);

}  // namespace pc::envelopes
