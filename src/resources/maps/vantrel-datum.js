// Map datums of China. Maps of mainland China are drawn in GCJ-02, an
// offset of WGS-84 (Google's road map there), or in BD-09, a further offset
// of GCJ-02 (Baidu). The camera records WGS-84, so points inside mainland
// China are shifted before they are drawn; elsewhere both services use the
// camera's coordinates unchanged.
var vantrelDatum = (function () {
    'use strict';

    var AXIS = 6378245.0;                     // Krasovsky 1940 semi-major axis
    var ECCENTRICITY2 = 0.00669342162296594323;
    var BAIDU_FACTOR = Math.PI * 3000.0 / 180.0;

    // Rough outline of mainland China by its bounding box, less Hong Kong,
    // Macau and Taiwan, whose maps stay in WGS-84. [west, south, east, north]
    // polygons as [lon, lat] rings.
    var MAINLAND_BOX = [72.004, 0.8293, 137.8347, 55.8271];
    var EXCLUDED = [
        // Hong Kong: the border follows Deep Bay, the Shenzhen River and Mirs Bay.
        [[113.82, 22.15], [113.82, 22.35], [113.93, 22.42], [113.96, 22.50],
         [114.03, 22.505], [114.09, 22.535], [114.15, 22.555], [114.23, 22.56],
         [114.32, 22.58], [114.52, 22.45], [114.52, 22.15]],
        // Macau: the peninsula, Taipa and Coloane, not Hengqin beside them.
        [[113.528, 22.215], [113.555, 22.218], [113.562, 22.19], [113.60, 22.17],
         [113.60, 22.105], [113.545, 22.105], [113.545, 22.16], [113.528, 22.18]],
        // Taiwan with Penghu, Kinmen and Matsu left to the mainland rule.
        [[119.95, 21.75], [122.2, 21.75], [122.2, 25.45], [120.0, 25.45], [119.95, 23.9],
         [119.3, 23.9], [119.3, 23.1], [119.95, 23.1]],
    ];

    function insideRing(lon, lat, ring) {
        var inside = false;
        for (var i = 0, j = ring.length - 1; i < ring.length; j = i++) {
            var xi = ring[i][0], yi = ring[i][1], xj = ring[j][0], yj = ring[j][1];
            if ((yi > lat) !== (yj > lat) && lon < (xj - xi) * (lat - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    }

    function inMainlandChina(lon, lat) {
        if (lon < MAINLAND_BOX[0] || lon > MAINLAND_BOX[2] || lat < MAINLAND_BOX[1] || lat > MAINLAND_BOX[3])
            return false;
        return !EXCLUDED.some(function (ring) { return insideRing(lon, lat, ring); });
    }

    function offsetLat(x, y) {
        var d = -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * Math.sqrt(Math.abs(x));
        d += (20.0 * Math.sin(6.0 * x * Math.PI) + 20.0 * Math.sin(2.0 * x * Math.PI)) * 2.0 / 3.0;
        d += (20.0 * Math.sin(y * Math.PI) + 40.0 * Math.sin(y / 3.0 * Math.PI)) * 2.0 / 3.0;
        d += (160.0 * Math.sin(y / 12.0 * Math.PI) + 320.0 * Math.sin(y * Math.PI / 30.0)) * 2.0 / 3.0;
        return d;
    }

    function offsetLon(x, y) {
        var d = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * Math.sqrt(Math.abs(x));
        d += (20.0 * Math.sin(6.0 * x * Math.PI) + 20.0 * Math.sin(2.0 * x * Math.PI)) * 2.0 / 3.0;
        d += (20.0 * Math.sin(x * Math.PI) + 40.0 * Math.sin(x / 3.0 * Math.PI)) * 2.0 / 3.0;
        d += (150.0 * Math.sin(x / 12.0 * Math.PI) + 300.0 * Math.sin(x / 30.0 * Math.PI)) * 2.0 / 3.0;
        return d;
    }

    // WGS-84 to GCJ-02, without the region check. [lon, lat] in and out.
    function wgs84ToGcj02(lon, lat) {
        var radLat = lat / 180.0 * Math.PI;
        var magic = 1 - ECCENTRICITY2 * Math.sin(radLat) * Math.sin(radLat);
        var sqrtMagic = Math.sqrt(magic);
        var dLat = offsetLat(lon - 105.0, lat - 35.0) * 180.0
            / ((AXIS * (1 - ECCENTRICITY2)) / (magic * sqrtMagic) * Math.PI);
        var dLon = offsetLon(lon - 105.0, lat - 35.0) * 180.0
            / (AXIS / sqrtMagic * Math.cos(radLat) * Math.PI);
        return [lon + dLon, lat + dLat];
    }

    // GCJ-02 to BD-09. [lon, lat] in and out.
    function gcj02ToBd09(lon, lat) {
        var z = Math.sqrt(lon * lon + lat * lat) + 0.00002 * Math.sin(lat * BAIDU_FACTOR);
        var theta = Math.atan2(lat, lon) + 0.000003 * Math.cos(lon * BAIDU_FACTOR);
        return [z * Math.cos(theta) + 0.0065, z * Math.sin(theta) + 0.006];
    }

    // The camera's WGS-84 point as the page's map service draws it.
    function forService(service, lon, lat) {
        if (!inMainlandChina(lon, lat))
            return [lon, lat];
        var gcj = wgs84ToGcj02(lon, lat);
        return service === 'baidu' ? gcj02ToBd09(gcj[0], gcj[1]) : gcj;
    }

    return {
        inMainlandChina: inMainlandChina,
        wgs84ToGcj02: wgs84ToGcj02,
        gcj02ToBd09: gcj02ToBd09,
        forService: forService,
    };
})();
