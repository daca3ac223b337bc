// The track of the playing file on a Leaflet map. The player calls
// mapAddPoint(lon, lat, second) once per telemetry second and mapClearAll()
// when another file starts. The page configures `vantrelMapPage` (service,
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
        currentMarker.remove();
        currentSecond = -1;
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

    // Before the first point the map shows the whole world, not an empty grey box.
    map.setView([30, 0], 3, { animate: false });
})();
