#include "address_data.h"

#include <cstdio>

namespace pc::bench {
namespace {

// Roughly in order of frequency, so skewed picks look like a real list.
const char* const kLastNames[] = {
    "Smith",      "Johnson",    "Williams",   "Brown",      "Jones",      "Garcia",
    "Miller",     "Davis",      "Rodriguez",  "Martinez",   "Hernandez",  "Lopez",
    "Gonzalez",   "Wilson",     "Anderson",   "Thomas",     "Taylor",     "Moore",
    "Jackson",    "Martin",     "Lee",        "Perez",      "Thompson",   "White",
    "Harris",     "Sanchez",    "Clark",      "Ramirez",    "Lewis",      "Robinson",
    "Walker",     "Young",      "Allen",      "King",       "Wright",     "Scott",
    "Torres",     "Nguyen",     "Hill",       "Flores",     "Green",      "Adams",
    "Nelson",     "Baker",      "Hall",       "Rivera",     "Campbell",   "Mitchell",
    "Carter",     "Roberts",    "Gomez",      "Phillips",   "Evans",      "Turner",
    "Diaz",       "Parker",     "Cruz",       "Edwards",    "Collins",    "Reyes",
    "Stewart",    "Morris",     "Morales",    "Murphy",     "Cook",       "Rogers",
    "Gutierrez",  "Ortiz",      "Morgan",     "Cooper",     "Peterson",   "Bailey",
    "Reed",       "Kelly",      "Howard",     "Ramos",      "Kim",        "Cox",
    "Ward",       "Richardson", "Watson",     "Brooks",     "Chavez",     "Wood",
    "James",      "Bennett",    "Gray",       "Mendoza",    "Ruiz",       "Hughes",
    "Price",      "Alvarez",    "Castillo",   "Sanders",    "Patel",      "Myers",
    "Long",       "Ross",       "Foster",     "Jimenez",    "Powell",     "Jenkins",
    "Perry",      "Russell",    "Sullivan",   "Bell",       "Coleman",    "Butler",
    "Henderson",  "Barnes",     "Gonzales",   "Fisher",     "Vasquez",    "Simmons",
    "Romero",     "Jordan",     "Patterson",  "Alexander",  "Hamilton",   "Graham",
    "Reynolds",   "Griffin",    "Wallace",    "Moreno",     "West",       "Cole",
    "Hayes",      "Bryant",     "Herrera",    "Gibson",     "Ellis",      "Tran",
    "Medina",     "Aguilar",    "Stevens",    "Murray",     "Ford",       "Castro",
    "Marshall",   "Owens",      "Harrison",   "Fernandez",  "McDonald",   "Woods",
    "Washington", "Kennedy",    "Wells",      "Vargas",     "Henry",      "Chen",
    "Freeman",    "Webb",       "Tucker",     "Guzman",     "Burns",      "Crawford",
    "Olson",      "Simpson",    "Porter",     "Hunter",     "Gordon",     "Mendez",
    "Silva",      "Shaw",       "Snyder",     "Mason",      "Dixon",      "Munoz",
    "Hunt",       "Hicks",      "Holmes",     "Palmer",     "Wagner",     "Black",
    "Robertson",  "Boyd",       "Rose",       "Stone",      "Salazar",    "Fox",
    "Warren",     "Mills",      "Meyer",      "Rice",       "Schmidt",    "Garza",
    "Daniels",    "Ferguson",   "Nichols",    "Stephens",   "Soto",       "Weaver",
    "Ryan",       "Gardner",    "Payne",      "Grant",      "Dunn",       "Kelley",
    "Spencer",    "Hawkins",    "Arnold",     "Pierce",     "Vazquez",    "Hansen",
    "Peters",     "Santos",     "Hart",       "Bradley",    "Knight",     "Elliott",
    "Cunningham", "Duncan",     "Armstrong",  "Hudson",     "Carroll",    "Lane",
    "Riley",      "Andrews",    "Alvarado",   "Ray",        "Delgado",    "Berry",
    "Perkins",    "Hoffman",    "Johnston",   "Matthews",   "Pena",       "Richards",
    "Contreras",  "Willis",     "Carpenter",  "Lawrence",   "Sandoval",   "Guerrero",
    "George",     "Chapman",    "Rios",       "Estrada",    "Ortega",     "Watkins",
    "Greene",     "Nunez",      "Wheeler",    "Valdez",     "Harper",     "Burke",
    "Larson",     "Santiago",   "Maldonado",  "Morrison",   "Franklin",   "Carlson",
    "Austin",     "Dominguez",  "Carr",       "Lawson",     "Jacobs",     "O'Brien",
    "Lynch",      "Singh",      "Vega",       "Bishop",     "Montgomery", "Oliver",
    "Jensen",     "Harvey",     "Williamson", "Gilbert",    "Dean",       "Sims",
    "Espinoza",   "Howell",     "Li",         "Wong",       "Reid",       "Hanson",
    "Le",         "McCoy",      "Garrett",    "Burton",     "Fuller",     "Wang",
    "Weber",      "Welch",      "Rojas",      "Lucas",      "Marquez",    "Fields",
    "Park",       "Yang",       "Little",     "Banks",      "Padilla",    "Day",
    "Walsh",      "Bowman",     "Schultz",    "Luna",       "Fowler",     "Mejia",
    "Davidson",   "Acosta",     "Brewer",     "May",        "Holland",    "Juarez",
    "Newman",     "Pearson",    "Curtis",     "Cortez",     "Douglas",    "Schneider",
    "Joseph",     "Barrett",    "Navarro",    "Figueroa",   "Keller",     "Avila",
    "Wade",       "Molina",     "Stanley",    "Hopkins",    "Campos",     "Barnett",
    "Bates",      "Chambers",   "Caldwell",   "Beck",       "Lambert",    "Miranda",
    "Byrd",       "Craig",      "Ayala",      "Lowe",       "Frazier",    "Powers",
    "Neal",       "Leonard",    "Gregory",    "Carrillo",   "Sutton",     "Fleming",
    "Rhodes",     "Shelton",    "Schwartz",   "Norris",     "Jennings",   "Watts",
    "Duran",      "Walters",    "Cohen",      "McDaniel",   "Moran",      "Parks",
    "Steele",     "Vaughn",     "Becker",     "Holt",       "DeLeon",     "Barker",
    "Terry",      "Hale",       "Leon",       "Benson",     "Haynes",     "Horton",
    "Miles",      "Lyons",      "Pham",       "Graves",     "Bush",       "Thornton",
    "Wolfe",      "Warner",     "Cabrera",    "McKinney",   "Mann",       "Zimmerman",
    "Dawson",     "Lara",       "Fletcher",   "Page",       "McCarthy",   "Love",
    "Robles",     "Cervantes",  "Solis",      "Erickson",   "Reeves",     "Chang",
    "Klein",      "Salinas",    "Fuentes",    "Baldwin",    "Daniel",     "Simon",
    "Velasquez",  "Hardy",      "Higgins",    "Aguirre",    "Lin",        "Cummings",
    "Chandler",   "Sharp",      "Barber",     "Bowen",      "Ochoa",      "Dennis",
    "Robbins",    "Liu",        "Ramsey",     "Francis",    "Griffith",   "Paul",
    "Blair",      "O'Connor",   "Cardenas",   "Pacheco",    "Cross",      "Calderon",
    "Quinn",      "Moss",       "Swanson",    "Chan",       "Rivas",      "Khan",
    "Rodgers",    "Serrano",    "Fitzgerald", "Rosales",    "Stevenson",  "Christensen",
    "Manning",    "Gill",       "Curry",      "McLaughlin", "Harmon",     "McGee",
    "Gross",      "Doyle",      "Garner",     "Newton",     "Burgess",    "Reese",
    "Walton",     "Blake",      "Trujillo",   "Adkins",     "Brady",      "Goodman",
    "Roman",      "Webster",    "Goodwin",    "Fischer",    "Huang",      "Potter",
    "Delacruz",   "Montoya",    "Todd",       "Wu",         "Hines",      "Mullins",
    "Castaneda",  "Malone",     "Cannon",     "Tate",       "Mack",       "Sherman",
    "Hubbard",    "Hodges",     "Zhang",      "Guerra",     "Wolf",       "Valencia",
    "Saunders",   "Franco",     "Rowe",       "Gallagher",  "Farmer",     "Hammond",
    "Hampton",    "Townsend",   "Ingram",     "Wise",       "Gallegos",   "Clarke",
    "Barton",     "Schroeder",  "Maxwell",    "Waters",     "Logan",      "Camacho",
    "Strickland", "Norman",     "Person",     "Colon",      "Parsons",    "Frank",
    "Harrington", "Glover",     "Osborne",    "Buchanan",   "Casey",      "Floyd",
    "Patton",     "Ibarra",     "Ball",       "Tyler",      "Suarez",     "Bowers",
    "Orozco",     "Salas",      "Cobb",       "Gibbs",      "Andrade",    "Bauer",
    "Conner",     "Moody",      "Escobar",    "McGuire",    "Lloyd",      "Mueller",
    "Hartman",    "French",     "Kramer",     "McBride",    "Pope",       "Lindsey",
    "Velazquez",  "Norton",     "McCormick",  "Sparks",     "Flynn",      "Yates",
    "Hogan",      "Marsh",      "Macias",     "Villanueva", "Zamora",     "Pratt",
    "Stokes",     "Owen",       "Ballard",    "Lang",       "Brock",      "Villarreal",
    "Charles",    "Drake",      "Barrera",    "Cain",       "Patrick",    "Pineda",
    "Burnett",    "Mercado",    "Santana",    "Shepherd",   "Bautista",   "Ali",
    "Shaffer",    "Lamb",       "Trevino",    "McKenzie",   "Hess",       "Olsen",
    "Cochran",    "Morton",     "Nash",       "Wilkins",    "Petersen",   "Briggs",
    "Shah",       "Roth",       "Nicholson",  "Holloway",   "Lozano",     "Rangel",
    "Flowers",    "Hoover",     "Short",      "Arias",      "Mora",       "Valenzuela",
    "Bryan",      "Meyers",     "Weiss",      "Underwood",  "Bass",       "Greer",
    "Summers",    "Houston",    "Carson",     "Morrow",     "Clayton",    "Whitaker",
    "Decker",     "Yoder",      "Collier",    "Zuniga",     "Carey",      "Wilcox",
    "Melendez",   "Poole",      "Roberson",   "Larsen",     "Conley",
};

const char* const kFirstNames[] = {
    "James",     "Mary",      "Robert",     "Patricia", "John",      "Jennifer", "Michael",
    "Linda",     "David",     "Elizabeth",  "William",  "Barbara",   "Richard",  "Susan",
    "Joseph",    "Jessica",   "Thomas",     "Sarah",    "Charles",   "Karen",    "Christopher",
    "Lisa",      "Daniel",    "Nancy",      "Matthew",  "Betty",     "Anthony",  "Margaret",
    "Mark",      "Sandra",    "Donald",     "Ashley",   "Steven",    "Kimberly", "Paul",
    "Emily",     "Andrew",    "Donna",      "Joshua",   "Michelle",  "Kenneth",  "Carol",
    "Kevin",     "Amanda",    "Brian",      "Dorothy",  "George",    "Melissa",  "Timothy",
    "Deborah",   "Ronald",    "Stephanie",  "Edward",   "Rebecca",   "Jason",    "Sharon",
    "Jeffrey",   "Laura",     "Ryan",       "Cynthia",  "Jacob",     "Kathleen", "Gary",
    "Amy",       "Nicholas",  "Angela",     "Eric",     "Shirley",   "Jonathan", "Anna",
    "Stephen",   "Brenda",    "Larry",      "Pamela",   "Justin",    "Emma",     "Scott",
    "Nicole",    "Brandon",   "Helen",      "Benjamin", "Samantha",  "Samuel",   "Katherine",
    "Gregory",   "Christine", "Alexander",  "Debra",    "Frank",     "Rachel",   "Patrick",
    "Carolyn",   "Raymond",   "Janet",      "Jack",     "Catherine", "Dennis",   "Maria",
    "Jerry",     "Heather",   "Tyler",      "Diane",    "Aaron",     "Ruth",     "Jose",
    "Julie",     "Adam",      "Olivia",     "Nathan",   "Joyce",     "Henry",    "Virginia",
    "Douglas",   "Victoria",  "Zachary",    "Kelly",    "Peter",     "Lauren",   "Kyle",
    "Christina", "Walter",    "Joan",       "Ethan",    "Evelyn",    "Jeremy",   "Judith",
    "Harold",    "Megan",     "Keith",      "Andrea",   "Christian", "Cheryl",   "Roger",
    "Hannah",    "Noah",      "Jacqueline", "Gerald",   "Martha",    "Carl",     "Gloria",
    "Terry",     "Teresa",    "Sean",       "Ann",
};

const char* const kStreetNames[] = {
    "Main",     "Oak",      "Pine",          "Maple",    "Cedar",    "Elm",      "Washington",
    "Lake",     "Hill",     "Park",          "Walnut",   "Spring",   "North",    "Ridge",
    "Church",   "Willow",   "Mill",          "Sunset",   "Railroad", "Jackson",  "Cherry",
    "Highland", "Franklin", "Jefferson",     "Lincoln",  "Madison",  "Chestnut", "Meadow",
    "Forest",   "River",    "Center",        "Adams",    "Broad",    "Dogwood",  "Hickory",
    "Spruce",   "Valley",   "Birch",         "Poplar",   "Laurel",   "Magnolia", "Front",
    "Market",   "Water",    "Union",         "Prospect", "School",   "Bridge",   "Grove",
    "Liberty",  "Summit",   "Winding Creek", "Orchard",  "Fairview", "Lakeview", "Country Club",
    "College",  "Academy",  "Harbor",        "Bay",
};
const char* const kStreetKinds[] = {"St", "Ave", "Rd",  "Blvd", "Ln",   "Dr",
                                    "Ct", "Pl",  "Way", "Ter",  "Pkwy", "Cir"};

struct City {
    const char* name;
    const char* state;
    const char* zip3;
};
// New York is common on purpose: a mailing list is rarely spread evenly.
const City kCities[] = {
    {"New York", "NY", "100"},     {"Brooklyn", "NY", "112"},       {"Buffalo", "NY", "142"},
    {"Rochester", "NY", "146"},    {"Albany", "NY", "122"},         {"Yonkers", "NY", "107"},
    {"Los Angeles", "CA", "900"},  {"San Francisco", "CA", "941"},  {"San Diego", "CA", "921"},
    {"Sacramento", "CA", "958"},   {"Oakland", "CA", "946"},        {"Fresno", "CA", "937"},
    {"Chicago", "IL", "606"},      {"Springfield", "IL", "627"},    {"Houston", "TX", "770"},
    {"Dallas", "TX", "752"},       {"Austin", "TX", "787"},         {"San Antonio", "TX", "782"},
    {"El Paso", "TX", "799"},      {"Phoenix", "AZ", "850"},        {"Tucson", "AZ", "857"},
    {"Philadelphia", "PA", "191"}, {"Pittsburgh", "PA", "152"},     {"Jacksonville", "FL", "322"},
    {"Miami", "FL", "331"},        {"Tampa", "FL", "336"},          {"Orlando", "FL", "328"},
    {"Columbus", "OH", "432"},     {"Cleveland", "OH", "441"},      {"Cincinnati", "OH", "452"},
    {"Charlotte", "NC", "282"},    {"Raleigh", "NC", "276"},        {"Indianapolis", "IN", "462"},
    {"Seattle", "WA", "981"},      {"Spokane", "WA", "992"},        {"Denver", "CO", "802"},
    {"Boston", "MA", "021"},       {"Worcester", "MA", "016"},      {"Detroit", "MI", "482"},
    {"Grand Rapids", "MI", "495"}, {"Nashville", "TN", "372"},      {"Memphis", "TN", "381"},
    {"Portland", "OR", "972"},     {"Las Vegas", "NV", "891"},      {"Baltimore", "MD", "212"},
    {"Milwaukee", "WI", "532"},    {"Madison", "WI", "537"},        {"Albuquerque", "NM", "871"},
    {"Kansas City", "MO", "641"},  {"St. Louis", "MO", "631"},      {"Atlanta", "GA", "303"},
    {"Savannah", "GA", "314"},     {"Omaha", "NE", "681"},          {"Minneapolis", "MN", "554"},
    {"New Orleans", "LA", "701"},  {"Newark", "NJ", "071"},         {"Jersey City", "NJ", "073"},
    {"Hartford", "CT", "061"},     {"Providence", "RI", "029"},     {"Burlington", "VT", "054"},
    {"Portland", "ME", "041"},     {"Salt Lake City", "UT", "841"}, {"Boise", "ID", "837"},
    {"Anchorage", "AK", "995"},    {"Honolulu", "HI", "968"},       {"Richmond", "VA", "232"},
    {"Louisville", "KY", "402"},   {"Birmingham", "AL", "352"},     {"Little Rock", "AR", "722"},
    {"Des Moines", "IA", "503"},   {"Wichita", "KS", "672"},        {"Oklahoma City", "OK", "731"},
    {"Charleston", "SC", "294"},   {"Charleston", "WV", "253"},     {"Fargo", "ND", "581"},
    {"Sioux Falls", "SD", "571"},  {"Billings", "MT", "591"},       {"Cheyenne", "WY", "820"},
    {"Wilmington", "DE", "198"},   {"Manchester", "NH", "031"},     {"Jackson", "MS", "392"},
};

const char* const kPrefixes[] = {"Mr.", "Mrs.", "Ms.", "Dr.", "Prof.", "Rev."};
const char* const kTitles[] = {
    "President",     "Vice President", "Director",  "Manager",    "Office Manager",
    "Sales Manager", "Accountant",     "Engineer",  "Consultant", "Owner",
    "Partner",       "Attorney",       "Professor", "Secretary",  "Treasurer",
    "Coordinator",   "Administrator",  "Editor",    "Buyer",      "Analyst",
};
const char* const kOrgWords[] = {
    "Acme",        "Summit",   "Pioneer",   "Liberty",  "Northern",  "Pacific",
    "Atlantic",    "Central",  "Evergreen", "Keystone", "Riverside", "Golden",
    "Allied",      "United",   "First",     "Capital",  "Heritage",  "Premier",
    "Cornerstone", "Bluebird", "Redwood",   "Harbor",   "Granite",   "Prairie",
};
const char* const kOrgKinds[] = {
    "Inc.",     "LLC",        "Corp.",  "& Sons",  "Associates", "Group",
    "Partners", "Foundation", "Church", "Library", "Hardware",   "Insurance",
    "Realty",   "Printing",   "Bakery", "Dental",  "Law Office",
};
const char* const kMailDomains[] = {"example.com", "mail.example.net", "example.org",
                                    "post.example.com", "inbox.example.net"};
const char* const kTagValues[] = {"MAIL", "XMAS", "VIP", "DONOR", "MEMBER", "PRESS", "HOLD"};
const char* const kCountries[] = {"Canada", "Mexico", "United Kingdom", "Germany", "France"};
const char* const kMemoLines[] = {
    "Prefers to be contacted by mail.",
    "Met at the spring fair; interested in the newsletter.",
    "Address confirmed by phone.",
    "Do not call before 10 am.",
    "Moved from the old address last year; forward anything returned.",
    "Sent the catalogue twice, no answer yet.",
    "Asked for large-print mailings.",
};

template <typename T, size_t N>
constexpr uint32_t count(const T (&)[N]) {
    return static_cast<uint32_t>(N);
}

std::string lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == ' ' || c == '\'') c = '.';
    }
    return s;
}

}  // namespace

AddressGenerator::AddressGenerator(uint64_t seed) : state_(seed) {}

uint64_t AddressGenerator::nextBits() {
    // splitmix64: tiny, fast and identical everywhere.
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint32_t AddressGenerator::below(uint32_t n) {
    return static_cast<uint32_t>(((nextBits() >> 32) * n) >> 32);
}

uint32_t AddressGenerator::skewed(uint32_t n) {
    // A uniform pick most of the time, a head-heavy one otherwise: the most
    // common entry gets about 1.3 %, the rarest about 0.1 %.
    if (below(10) >= 3) return below(n);
    double u = static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
    return static_cast<uint32_t>(u * u * n);
}

const std::array<std::string, kAddressFieldCount>& AddressGenerator::next() {
    auto& v = values_;
    char buf[64];
    auto pick = [&](const auto& list) -> const char* { return list[below(count(list))]; };
    auto chance = [&](uint32_t percent) { return below(100) < percent; };
    auto phone = [&](const char* zip3) {
        // Area code derived from the ZIP region, 555 exchange.
        std::snprintf(buf, sizeof buf, "(%c%02u) 555-%04u", '2' + (zip3[0] - '0') % 8,
                      (unsigned(zip3[1] - '0') * 10 + unsigned(zip3[2] - '0')) % 100, below(10000));
        return std::string(buf);
    };

    v[0] = kLastNames[skewed(count(kLastNames))];
    v[1] = kFirstNames[skewed(count(kFirstNames))];
    v[2] = chance(60) ? std::string(1, static_cast<char>('A' + below(26))) : std::string();
    v[3] = chance(35) ? pick(kPrefixes) : "";
    v[4] = chance(30) ? pick(kTitles) : "";
    if (chance(45)) {
        v[5] = std::string(pick(kOrgWords)) + " " + pick(kOrgKinds);
    } else {
        v[5].clear();
    }
    std::snprintf(buf, sizeof buf, "%u %s %s", 1 + below(9899), pick(kStreetNames),
                  pick(kStreetKinds));
    v[6] = buf;
    if (chance(15)) {
        std::snprintf(buf, sizeof buf, chance(50) ? "Apt %u%c" : "Suite %u", 1 + below(40) * 10,
                      'A' + below(6));
        v[7] = buf;
    } else {
        v[7].clear();
    }
    const City& city = kCities[skewed(count(kCities))];
    v[8] = city.name;
    v[9] = city.state;
    if (chance(30)) {
        std::snprintf(buf, sizeof buf, "%s%02u-%04u", city.zip3, below(100), below(10000));
    } else {
        std::snprintf(buf, sizeof buf, "%s%02u", city.zip3, below(100));
    }
    v[10] = buf;
    v[11] = chance(4) ? pick(kCountries) : "";
    std::snprintf(buf, sizeof buf, "%04u%02u%02u", 1985 + below(40), 1 + below(12), 1 + below(28));
    v[12] = buf;
    v[13] = chance(90) ? phone(city.zip3) : "";
    v[14] = chance(30) ? phone(city.zip3) : "";
    v[15] = chance(10) ? phone(city.zip3) : "";
    if (chance(70)) {
        v[16] = lower(v[1]) + "." + lower(v[0]) + "@" + pick(kMailDomains);
        if (v[16].size() > 40) v[16].resize(40);
    } else {
        v[16].clear();
    }
    if (chance(50)) {
        std::snprintf(buf, sizeof buf, "%c%02u %c%c", 'A' + below(6), below(100), 'A' + below(26),
                      'A' + below(26));
        v[17] = buf;
    } else {
        v[17].clear();
    }
    v[18] = chance(20) ? std::string("Source: ") + pick(kOrgWords) : "";
    v[19] = chance(10) ? std::string("Ref ") + std::to_string(below(100000)) : "";
    v[20] = chance(3) ? "T" : "F";
    v[21] = chance(40) ? pick(kTagValues) : "";
    if (chance(5)) {
        v[22] = pick(kMemoLines);
        for (uint32_t extra = below(4); extra > 0; --extra) {
            v[22] += "\r\n";
            v[22] += pick(kMemoLines);
        }
    } else {
        v[22].clear();
    }
    return values_;
}

}  // namespace pc::bench
