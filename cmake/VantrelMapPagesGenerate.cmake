# Run by VantrelMapPages.cmake at build time (cmake -P): writes the map pages
# and their scripts into OUTPUT_DIR.
#   SOURCE_DIR        template, scripts and style
#   LEAFLET_DIR       leaflet.js, leaflet.css, images/

function(write_map_page file service language title imperial tile_url subdomains attribution)
    set(MAP_PAGE_SERVICE ${service})
    set(MAP_PAGE_LANGUAGE ${language})
    set(MAP_PAGE_TITLE ${title})
    set(MAP_PAGE_IMPERIAL ${imperial})
    set(MAP_PAGE_TILE_URL ${tile_url})
    set(MAP_PAGE_TILE_SUBDOMAINS ${subdomains})
    set(MAP_PAGE_ATTRIBUTION ${attribution})
    configure_file(${SOURCE_DIR}/MapPage.html.in ${OUTPUT_DIR}/${file} @ONLY)
endfunction()

file(MAKE_DIRECTORY ${OUTPUT_DIR})

write_map_page(BaiduMapIndex.html baidu zh-CN "百度地图" false
    "https://maponline{s}.bdimg.com/tile/?qt=vtile&x={x}&y={y}&z={z}&styles=pl&scaler=1"
    "0123" "Map data &copy; Baidu")

# Page name suffix, language for the tile labels and the page, title.
set(google_languages
    "zh_CN|zh-CN|谷歌地图"
    "zh_TW|zh-TW|Google 地圖"
    "en|en|Google Maps"
    "en_uk|en-GB|Google Maps"
    "fr|fr|Google Maps"
    "it|it|Google Maps"
    "ja|ja|Google マップ"
    "pl|pl|Mapy Google"
    "ru|ru|Google Карты"
    "de|de|Google Maps"
    "es|es|Google Maps"
    "pt|pt|Google Maps"
    "ko|ko|Google 지도"
)

foreach(entry IN LISTS google_languages)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 suffix)
    list(GET fields 1 language)
    list(GET fields 2 title)
    # The English pages show miles beside kilometres on the scale.
    if(language MATCHES "^en")
        set(imperial true)
    else()
        set(imperial false)
    endif()
    write_map_page(WG_GoogleMapIndex_${suffix}.html google ${language} "${title}" ${imperial}
        "https://mt{s}.google.com/vt/lyrs=m&hl=${language}&x={x}&y={y}&z={z}"
        "0123" "Map data &copy; Google")
endforeach()

foreach(file vantrel-map.js vantrel-datum.js vantrel-map.css)
    file(COPY ${SOURCE_DIR}/${file} DESTINATION ${OUTPUT_DIR})
endforeach()
file(COPY ${LEAFLET_DIR}/leaflet.js ${LEAFLET_DIR}/leaflet.css ${LEAFLET_DIR}/images DESTINATION ${OUTPUT_DIR})
