// The track of the playing file on a Leaflet map. The player calls
// mapAddPoint(lon, lat, second) once per telemetry second and mapClearAll()
// when another file starts. While a trip plays, the player gives the trip's
// whole route instead (mapRouteClear, mapRouteAdd, mapRouteShow) and moves
// along it with mapRouteAt(tripSecond); a click near the route goes back to
// the player over the web channel. The page configures `vantrelMapPage` (service,
// tile address, language) before this script runs; vantrel-datum.js is loaded
// first. The track is drawn whether or not map tiles can be fetched.
(function () {
    'use strict';

    var page = window.vantrelMapPage;
    var FIRST_POINT_ZOOM = 16;
    // How far inside the visible area the newest point must stay before the
    // view is fitted to the track again; refitting on every point would
    // redraw the whole line each second.
    var FOLLOW_MARGIN = -0.1;

    // Baidu's tiles are cut from its own ellipsoidal Mercator (the usual
    // approximation of it, on axes close to Clarke 1866's), at 2^(18 - zoom) metres per
    // pixel from the origin, with tile rows counted northwards.
    function baiduCrs() {
        var projection = L.extend({}, L.Projection.Mercator, {
            R: 6378206,
            R_MINOR: 6356584.314245179,
        });
        return L.extend({}, L.CRS.Earth, {
            code: 'BD09MC',
            projection: projection,
            transformation: new L.Transformation(1, 0, -1, 0),
            scale: function (zoom) { return Math.pow(2, zoom - 18); },
            zoom: function (scale) { return Math.log(scale) / Math.LN2 + 18; },
            infinite: true,
        });
    }

    var BaiduTileLayer = L.TileLayer.extend({
        getTileUrl: function (coords) {
            // Leaflet counts rows southwards from the origin, Baidu northwards.
            return L.Util.template(this._url, {
                s: this._getSubdomain(coords), x: coords.x, y: -coords.y - 1, z: coords.z,
            });
        },
    });

    var isBaidu = page.service === 'baidu';
    var map = L.map('map', {
        crs: isBaidu ? baiduCrs() : L.CRS.EPSG3857,
        minZoom: 3,
        maxZoom: isBaidu ? 19 : 20,
        preferCanvas: true,
        worldCopyJump: !isBaidu,
    });
    map.attributionControl.setPrefix('Leaflet');
    L.control.scale({ imperial: page.imperial, metric: true }).addTo(map);

    // The line is drawn in pieces of a few hundred points: adding a point
    // re-projects only the last piece, so its cost does not grow with the
    // length of the drive.
    var PIECE_POINTS = 256;
    var TRACK_STYLE = { color: '#1e6fd9', weight: 4, opacity: 1, interactive: false };
    var track = {
        pieces: L.layerGroup().addTo(map),
        last: null,
        count: 0,
        bounds: null,
        add: function (point) {
            if (!this.last || this.last.getLatLngs().length >= PIECE_POINTS) {
                var joint = this.last ? [this.last.getLatLngs()[PIECE_POINTS - 1]] : [];
                this.last = L.polyline(joint, TRACK_STYLE).addTo(this.pieces);
            }
            this.last.addLatLng(point);
            this.bounds = this.bounds ? this.bounds.extend(point) : L.latLngBounds(point, point);
            ++this.count;
        },
        clear: function () {
            this.pieces.clearLayers();
            this.last = null;
            this.count = 0;
            this.bounds = null;
        },
    };
    // Markers live in their own pane, above every piece of the line.
    var startMarker = L.circleMarker([0, 0], {
        pane: 'markerPane',
        radius: 6, color: '#ffffff', weight: 2, fillColor: '#2e9e48', fillOpacity: 1, interactive: false,
    });
    var currentMarker = L.circleMarker([0, 0], {
        pane: 'markerPane',
        radius: 8, color: '#ffffff', weight: 3, fillColor: '#d93025', fillOpacity: 1, interactive: false,
    });
    var currentSecond = -1;

    // Tiles are requested once the page has loaded, so that an unreachable
    // tile server never holds up the load. The service is credited once one
    // of its tiles is on screen, not over the plain background shown offline.
    window.addEventListener('load', function () {
        var Layer = isBaidu ? BaiduTileLayer : L.TileLayer;
        var tiles = new Layer(page.tileUrl, {
            subdomains: page.tileSubdomains,
            maxZoom: isBaidu ? 19 : 20,
            maxNativeZoom: isBaidu ? 19 : 20,
        });
        tiles.once('tileload', function () {
            map.attributionControl.addAttribution(page.attribution);
        });
        tiles.addTo(map);
    });

    function showTrack(point) {
        if (track.count === 1) {
            map.setView(point, FIRST_POINT_ZOOM, { animate: false });
            return;
        }
        if (!map.getBounds().pad(FOLLOW_MARGIN).contains(point))
            map.fitBounds(track.bounds, { maxZoom: FIRST_POINT_ZOOM, padding: [24, 24], animate: false });
    }

    window.mapAddPoint = function (lon, lat, second) {
        if (!isFinite(lon) || !isFinite(lat) || Math.abs(lat) > 90 || Math.abs(lon) > 180)
            return;
        var shifted = vantrelDatum.forService(page.service, lon, lat);
        var point = L.latLng(shifted[1], shifted[0]);
        track.add(point);
        currentSecond = second;
        if (track.count === 1)
            startMarker.setLatLng(point).addTo(map);
        currentMarker.setLatLng(point).addTo(map);
        showTrack(point);
    };

    window.mapClearAll = function () {
        track.clear();
        startMarker.remove();
        // While a trip's route is shown, the position stays until it moves.
        if (!route.points.length) {
            currentMarker.remove();
            currentSecond = -1;
        }
    };

    // ---- The route of a trip ----
    // How close to the route a click must be to count, in pixels.
    var CLICK_REACH = 8;
    var route = {
        points: [],   // L.LatLng per point, in trip order
        seconds: [],  // the trip second of each point
        driven: -1,   // index of the last point driven, -1 before the first
        ghost: L.polyline([], { color: '#8c9bb0', weight: 5, opacity: 0.55, interactive: false }),
        line: L.polyline([], { color: '#1e6fd9', weight: 5, opacity: 1, interactive: false }),
    };
    var bridge = null;
    if (window.QWebChannel && window.qt && window.qt.webChannelTransport) {
        new QWebChannel(window.qt.webChannelTransport, function (channel) {
            bridge = channel.objects.vantrelMap;
        });
    }

    // The last point at or before `second`; -1 when the route starts later.
    function routeIndexAt(second) {
        var low = 0, high = route.seconds.length;
        while (low < high) {
            var middle = (low + high) >> 1;
            if (route.seconds[middle] <= second)
                low = middle + 1;
            else
                high = middle;
        }
        return low - 1;
    }

    // The route point nearest to a click within CLICK_REACH pixels of the
    // line, measured on screen; -1 when the click is away from the route.
    function routeIndexNear(pixel) {
        var best = -1, bestDistance = CLICK_REACH;
        var previous = null;
        for (var i = 0; i < route.points.length; ++i) {
            var here = map.latLngToContainerPoint(route.points[i]);
            var distance = pixel.distanceTo(here);
            if (distance <= bestDistance) {
                best = i;
                bestDistance = distance;
            }
            if (previous) {
                var onLine = L.LineUtil.closestPointOnSegment(pixel, previous, here);
                var lineDistance = pixel.distanceTo(onLine);
                if (lineDistance < bestDistance) {
                    best = onLine.distanceTo(previous) <= onLine.distanceTo(here) ? i - 1 : i;
                    bestDistance = lineDistance;
                }
            }
            previous = here;
        }
        return best;
    }

    map.on('click', function (event) {
        var index = routeIndexNear(event.containerPoint);
        if (index >= 0 && bridge)
            bridge.routePointClicked(route.seconds[index]);
    });

    window.mapRouteClear = function () {
        route.points = [];
        route.seconds = [];
        route.driven = -1;
        route.ghost.setLatLngs([]).remove();
        route.line.setLatLngs([]).remove();
        currentMarker.remove();
    };

    // Points as one flat list: longitude, latitude, trip second, ...
    window.mapRouteAdd = function (flat) {
        for (var i = 0; i + 2 < flat.length; i += 3) {
            var lon = flat[i], lat = flat[i + 1];
            if (!isFinite(lon) || !isFinite(lat) || Math.abs(lat) > 90 || Math.abs(lon) > 180)
                continue;
            var shifted = vantrelDatum.forService(page.service, lon, lat);
            route.points.push(L.latLng(shifted[1], shifted[0]));
            route.seconds.push(flat[i + 2]);
        }
    };

    // The whole route in view, nothing of it driven yet.
    window.mapRouteShow = function () {
        if (!route.points.length)
            return;
        route.ghost.setLatLngs(route.points).addTo(map);
        route.line.setLatLngs([]).addTo(map);
        route.driven = -1;
        map.fitBounds(L.latLngBounds(route.points), { maxZoom: FIRST_POINT_ZOOM, padding: [24, 24], animate: false });
    };

    // Driven up to `second`: the route itself up to there, never a shortcut.
    window.mapRouteAt = function (second) {
        if (!route.points.length)
            return;
        var index = routeIndexAt(second);
        if (index > route.driven && index - route.driven <= 10) {
            for (var i = route.driven + 1; i <= index; ++i)
                route.line.addLatLng(route.points[i]);
        } else if (index !== route.driven) {
            route.line.setLatLngs(route.points.slice(0, index + 1));
        }
        route.driven = index;
        var position = route.points[Math.max(index, 0)];
        currentMarker.setLatLng(position).addTo(map);
        currentSecond = second;
        // The whole route was fitted into view: it moves only once the
        // position has left the view (the user zoomed in or panned), never
        // under a click aimed at the route near its ends.
        if (!map.getBounds().contains(position))
            map.panTo(position, { animate: false });
    };

    // What is drawn of the route, for the player's tests: every point of the
    // driven line and the position, as [lat, lon].
    window.mapRouteState = function () {
        var pair = function (latLng) { return [latLng.lat, latLng.lng]; };
        return {
            points: route.points.length,
            driven: route.line.getLatLngs().map(pair),
            position: currentMarker.getLatLng ? pair(currentMarker.getLatLng()) : null,
            onMap: map.hasLayer(route.ghost),
            linked: bridge !== null,  // clicks reach the player
        };
    };

    window.mapPointCount = function () {
        return track.count;
    };

    window.mapCurrentSecond = function () {
        return currentSecond;
    };

    // Whether the newest point is on screen, for the player's tests.
    window.mapCurrentInView = function () {
        return track.count > 0 && map.getBounds().contains(currentMarker.getLatLng());
    };

    // The map, for the player's tests to use its projection.
    window.vantrelMap = map;

    // Before the first point the map shows the whole world, not an empty grey box.
    map.setView([30, 0], 3, { animate: false });
})();
