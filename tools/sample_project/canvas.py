"""A small drawing surface for the sample's images.

Shapes are drawn at a multiple of the final size and averaged down, which gives
smooth edges without an anti-aliasing rasteriser. Coordinates are given in final
pixels; colours are (r, g, b) or (r, g, b, a) and blend over what is below.
"""

from PIL import Image, ImageDraw


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    """Colour between c1 (t = 0) and c2 (t = 1), alpha included when given."""
    return tuple(int(round(lerp(x, y, t))) for x, y in zip(c1, c2))


def shade(color, factor):
    """The colour made darker (factor < 1) or lighter (factor > 1)."""
    rgb = color[:3]
    if factor < 1:
        out = [int(c * factor) for c in rgb]
    else:
        out = [int(c + (255 - c) * (factor - 1)) for c in rgb]
    return tuple(out) + tuple(color[3:])


class Canvas:
    def __init__(self, width, height, scale=4, background=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.scale = scale
        self.image = Image.new("RGBA", (width * scale, height * scale),
                               background)
        self.draw = ImageDraw.Draw(self.image, "RGBA")

    def _p(self, value):
        return value * self.scale

    def _points(self, points):
        return [(self._p(x), self._p(y)) for x, y in points]

    def _width(self, width):
        return max(1, int(round(width * self.scale)))

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=1):
        box = [self._p(cx - rx), self._p(cy - ry), self._p(cx + rx),
               self._p(cy + ry)]
        self.draw.ellipse(box, fill=fill, outline=outline,
                          width=self._width(width) if outline else 0)

    def circle(self, cx, cy, r, fill=None, outline=None, width=1):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def rect(self, x, y, w, h, fill=None, outline=None, width=1, radius=0):
        box = [self._p(x), self._p(y), self._p(x + w) - 1, self._p(y + h) - 1]
        if radius > 0:
            self.draw.rounded_rectangle(
                box, radius=self._p(radius), fill=fill, outline=outline,
                width=self._width(width) if outline else 0)
        else:
            self.draw.rectangle(box, fill=fill, outline=outline,
                                width=self._width(width) if outline else 0)

    def polygon(self, points, fill=None, outline=None, width=1):
        self.draw.polygon(self._points(points), fill=fill, outline=outline,
                          width=self._width(width) if outline else 0)

    def line(self, points, fill, width=1):
        self.draw.line(self._points(points), fill=fill,
                       width=self._width(width), joint="curve")
        # Round caps: a dot at each end of the stroke.
        r = width / 2
        for x, y in (points[0], points[-1]):
            self.circle(x, y, r, fill=fill)

    def arc(self, cx, cy, rx, ry, start, end, fill, width=1):
        box = [self._p(cx - rx), self._p(cy - ry), self._p(cx + rx),
               self._p(cy + ry)]
        self.draw.arc(box, start, end, fill=fill, width=self._width(width))

    def chord(self, cx, cy, rx, ry, start, end, fill):
        box = [self._p(cx - rx), self._p(cy - ry), self._p(cx + rx),
               self._p(cy + ry)]
        self.draw.chord(box, start, end, fill=fill)

    def vertical_gradient(self, x, y, w, h, top, bottom):
        """Fills a rectangle with colours running from top to bottom."""
        y0, y1 = int(self._p(y)), int(self._p(y + h))
        for row in range(y0, y1):
            t = (row - y0) / max(1, y1 - y0 - 1)
            self.draw.line([(self._p(x), row), (self._p(x + w) - 1, row)],
                           fill=mix(top, bottom, t))

    def paste_alpha(self, overlay):
        """Composites an RGBA image of the final size over the canvas."""
        big = overlay.resize(self.image.size, Image.BILINEAR)
        self.image.alpha_composite(big)

    def finish(self):
        if self.scale == 1:
            return self.image.copy()
        return self.image.resize((self.width, self.height), Image.BOX)


def radial_alpha(width, height, color, inner=0.0, outer=1.0, power=1.0,
                 invert=False):
    """An image of one colour whose alpha falls from the centre (full) to
    the edge of the inscribed ellipse (none), or rises when `invert`."""
    image = Image.new("RGBA", (width, height))
    pixels = image.load()
    cx, cy = (width - 1) / 2, (height - 1) / 2
    r, g, b = color[:3]
    top = color[3] if len(color) > 3 else 255
    for y in range(height):
        dy = (y - cy) / (height / 2)
        for x in range(width):
            dx = (x - cx) / (width / 2)
            d = (dx * dx + dy * dy) ** 0.5
            t = min(1.0, max(0.0, (d - inner) / max(1e-6, outer - inner)))
            level = 1.0 - t if not invert else t
            pixels[x, y] = (r, g, b, int(round(top * level ** power)))
    return image


def save_png(image, path):
    image.save(path, format="PNG", optimize=True)
